// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its panels, menus and dialogs, the language switch, and undo.

#include "channels/ChannelTableWindow.h"
#include "files/OpenFileDialog.h"
#include "files/SaveFileDialog.h"
#include "fm/FmPresetsWindow.h"
#include "options/OptionsWindow.h"
#include "shell/PortSetupDialog.h"
#include "shell/ModelDialog.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"
#include "shell/AboutDialog.h"

#include "ChannelFile.h"
#include "Language.h"
#include "support/DocumentPoke.h"
#include "MemoryMap.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

using namespace MemoryMap;

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        newMainWindow();
        m_main->start();
    }
    void cleanup()
    {
        m_main->document().markSaved(QString());   // no unsaved-changes question on the way out
        delete m_main;
        applyUiLanguage(true);
    }

    // The last status panel ends inside the bar, its right border in view.
    void lastStatusPanelFitsTheBar()
    {
        const QStatusBar* bar = m_main->statusBar();
        const QLabel* last = bar->findChild<QLabel*>(QStringLiteral("Panel8"));
        QTRY_VERIFY2(last->geometry().right() < bar->width() && last->geometry().right() > bar->width() * 95 / 100,
                     qPrintable(QStringLiteral("%1 in %2").arg(last->geometry().right()).arg(bar->width())));
    }

    void eachWindowExistsOnce()
    {
        auto* first = m_main->window<ChannelTableWindow>();
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        m_main->findChild<QAction*>(QStringLiteral("Channel_edit"))->trigger();
        QCOMPARE(m_main->window<ChannelTableWindow>(), first);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);

        const QRect atStart = first->parentWidget()->geometry();
        first->findChild<QPushButton*>(QStringLiteral("Command_Close"))->click();
        QTRY_VERIFY(!m_main->window<ChannelTableWindow>());
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        QVERIFY(m_main->window<ChannelTableWindow>());
        // Placed as at start-up, when the bars were still being laid out.
        QCOMPARE(m_main->window<ChannelTableWindow>()->parentWidget()->geometry(), atStart);
    }

    // The model dialog shows the stored band; opening it takes the band as the
    // limits (the upper one plus one), as one undo step; Confirm and Cancel only close it.
    void modelDialogReloadsTheLimits()
    {
        RadioDocument& document = m_main->document();
        const QList<int> range = { 0x00, 0x13, 0x00, 0x17 };
        for (int c = 0; c < 4; ++c)
            poke(document)->setCell(kRangeBlock, c, quint8(range[c]));
        QCOMPARE(document.rangeHigh(), 470.0);
        for (const char* button : { "Command_Cancel", "Command_enter" }) {
            m_main->findChild<QAction*>(QStringLiteral("proc_type"))->trigger();
            auto* dialog = m_main->window<ModelDialog>();
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label_band"))->text(), QStringLiteral("  130 --  170"));
            QCOMPARE(document.rangeHigh(), 171.0);
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
            QTRY_VERIFY(!m_main->window<ModelDialog>());
            QCOMPARE(document.rangeLow(), 130.0);
            QCOMPARE(document.rangeHigh(), 171.0);
        }
        QCOMPARE(document.history()->count(), 1);
        QCOMPARE(m_main->panelText(MainWindow::Panel::Band), QStringLiteral(" 400-- 470 MHZ"));
        document.history()->undo();
        QCOMPARE(document.rangeHigh(), 470.0);
    }

    // open window showing the result at once.
    void eachKindOfChangeIsOneStep_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("step");
        QTest::newRow("channel cell") << "cell" << "信道 2";
        QTest::newRow("list pick") << "pick" << "信道 1";
        QTest::newRow("Clear") << "clear" << "清除";
        QTest::newRow("option") << "option" << "静噪等级";
        QTest::newRow("frequency mode") << "vfo" << "接收频率(MHZ)";
        QTest::newRow("range") << "range" << "工作频率范围";
        QTest::newRow("FM preset") << "fm" << "收音机频道 2";
        QTest::newRow("model") << "model" << "机型选择";
        QTest::newRow("File New") << "new" << "新建";
        QTest::newRow("load") << "load" << "打开 other.chann";
    }
    void eachKindOfChangeIsOneStep()
    {
        activeWithChannel1();
        QFETCH(QString, kind);
        QFETCH(QString, step);
        // Every window is open, so each must show the undone state.
        trigger("Optional_edit");
        trigger("Test_edit");
        const RadioData before = document().data();
        const QStringList shownBefore = shown();

        act(kind);
        const RadioData after = document().data();
        QVERIFY2(!(after == before), qPrintable(kind));
        QCOMPARE(document().history()->count(), 1);
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("撤销 %1(&U)").arg(step));
        const QStringList shownAfter = shown();
        // Every open window follows the change (the model's limits are shown in none).
        QVERIFY2(kind == "model" || shownAfter != shownBefore, qPrintable(kind));

        trigger("Edit_undo");
        QVERIFY(document().data() == before);
        QCOMPARE(shown(), shownBefore);
        // Back at the saved state, with the file that went with it.
        QVERIFY(!document().isModified());
        QVERIFY(document().fileName().isEmpty());
        QCOMPARE(action("Edit_redo")->text(), QStringLiteral("重做 %1(&R)").arg(step));
        trigger("Edit_redo");
        QVERIFY(document().data() == after);
        QCOMPARE(shown(), shownAfter);
    }

    // Text typed and not yet committed is committed first, as its own step, so
    // Undo takes back exactly what was typed.
    void undoCommitsWhatIsTyped()
    {
        activeWithChannel1();
        act("cell");
        auto* table = m_main->window<ChannelTableWindow>();
        table->grid()->setCurrentCell(4, ChannelTableWindow::ColRx);
        table->placeCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "446.5");
        trigger("Edit_undo");
        QCOMPARE(table->cellText(5, ChannelTableWindow::ColRx), QString());
        QCOMPARE(table->cellText(2, ChannelTableWindow::ColRx), QStringLiteral("446.10000"));
        trigger("Edit_redo");
        QCOMPARE(table->cellText(5, ChannelTableWindow::ColRx), QStringLiteral("446.50000"));
    }

    // Ctrl+Z and Ctrl+Y reach the document from inside an open cell editor of
    // the channel table or the FM grid; what is typed into the editor is taken
    // back first.
    void undoKeysWorkInsideAnOpenEditor_data()
    {
        QTest::addColumn<bool>("fm");
        QTest::newRow("channel table") << false;
        QTest::newRow("FM grid") << true;
    }
    void undoKeysWorkInsideAnOpenEditor()
    {
        QFETCH(bool, fm);
        activeWithChannel1();
        if (fm)
            trigger("Test_edit");
        auto* table = m_main->window<ChannelTableWindow>();
        auto* presets = m_main->window<FmPresetsWindow>();
        QWidget* window = fm ? static_cast<QWidget*>(presets) : table;
        auto cell = [&] {
            return fm ? presets->cellText(3, FmPresetsWindow::ColFrequency) : table->cellText(2, ChannelTableWindow::ColRx);
        };
        const QString before = cell();
        if (fm) {
            presets->grid()->setCurrentCell(2, FmPresetsWindow::ColFrequency);
            presets->openEditor();
        } else {
            table->grid()->setCurrentCell(1, ChannelTableWindow::ColRx);
            table->placeCellEditor();
        }
        auto* editor = window->findChild<QLineEdit*>("Text_Edit");
        QTest::keyClicks(editor, fm ? "99.9" : "446.6");
        QTest::keyClick(editor, Qt::Key_Return);
        const QString after = cell();
        QVERIFY(after != before);
        QTRY_VERIFY(editor->isVisible() && editor->hasFocus());   // the next field's editor, nothing typed

        QTest::keyClicks(editor, "1");
        QTest::keySequence(editor, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(cell(), after);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(cell(), before);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(cell(), after);
    }

    // A step's name is worded in the language in force whenever it is shown.
    void undoCaptionsFollowTheLanguage()
    {
        activeWithChannel1();
        act("load");
        act("clear");
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("撤销 清除(&U)"));
        trigger("Language_eng");
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("&Undo Clear"));
        trigger("Edit_undo");
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("&Undo Open other.chann"));
        QCOMPARE(action("Edit_redo")->text(), QStringLiteral("&Redo Clear"));
        trigger("Language_chn");
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("撤销 打开 other.chann(&U)"));
    }

    // Without a font that covers Chinese the program starts in English and says why, once.
    void startsInEnglishWithoutChineseFont()
    {
        delete m_main;
        m_messages.clear();
        newMainWindow();
        m_main->start(false);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains(QLatin1String("fonts-noto-cjk")));
        QCOMPARE(m_main->findChild<QMenu*>(QStringLiteral("File"))->title(), QStringLiteral("&File"));
        QVERIFY(action("Language_eng")->isChecked());
    }

    // The title's mark is the document's: it stays through child windows
    // closing and language switches, and follows undo and redo.
    void titleMarkFollowsTheDocument()
    {
        activeWithChannel1();
        QVERIFY(!m_main->isWindowModified());
        act("cell");
        QVERIFY(m_main->isWindowModified());
        trigger("Optional_edit");
        m_main->window<OptionsWindow>()->findChild<QPushButton*>("Command_Close")->click();
        QTRY_VERIFY(!m_main->window<OptionsWindow>());
        QVERIFY(m_main->isWindowModified());
        m_main->window<ChannelTableWindow>()->findChild<QPushButton*>("Command_Close")->click();
        QTRY_VERIFY(!m_main->window<ChannelTableWindow>());
        QVERIFY(m_main->isWindowModified());
        trigger("Language_eng");
        QVERIFY(m_main->isWindowModified());
        trigger("Edit_undo");
        QVERIFY(!m_main->isWindowModified());
        trigger("Edit_redo");
        QVERIFY(m_main->isWindowModified());
        trigger("Language_chn");
        QVERIFY(m_main->isWindowModified());
    }

private:
    RadioDocument& document() const { return m_main->document(); }
    void newMainWindow()
    {
        m_main = new MainWindow;
        Prompt::setHandler(m_main, [this](const Prompt::Message& m) {
            m_messages.append(m);
            return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Discard;
        });
    }
    void activeWithChannel1()
    {
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        // A used channel 1, so that its lists can be picked.
        poke(document())->setBlock(1, { 0x00, 0x00, 0x50, 0x44, 0x00, 0x00, 0x50, 0x44, 0x00, 0xC0, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0x00 });
        document().markSaved(QString());
    }
    QAction* action(const char* name) const { return m_main->findChild<QAction*>(QLatin1String(name)); }
    void trigger(const char* name) { action(name)->trigger(); }

    template <class W>
    W* child(const char* window, const char* name) const
    {
        W* widget = m_main->findChild<QWidget*>(QLatin1String(window))->findChild<W*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s in %s", name, window);
        return widget;
    }

    void typeAndLeave(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    // What the open windows show of the document.
    QStringList shown() const
    {
        QStringList texts;
        auto* table = m_main->window<ChannelTableWindow>();
        for (int n : { 1, 2 })
            for (int col = ChannelTableWindow::ColRx; col <= ChannelTableWindow::ColName; ++col)
                texts << table->cellText(n, col);
        for (const char* name : { "Combo_Sql", "Combo_Decode" })
            texts << child<QComboBox>("frm_option", name)->currentText();
        for (const char* name : { "Text_RX_Freq", "Text_pvfo_d1" })
            texts << child<QLineEdit>("frm_option", name)->text();
        texts << m_main->window<FmPresetsWindow>()->cellText(3, FmPresetsWindow::ColFrequency);
        return texts;
    }

    void act(const QString& kind)
    {
        auto* table = m_main->window<ChannelTableWindow>();
        if (kind == "cell") {
            table->grid()->setCurrentCell(1, ChannelTableWindow::ColRx);
            table->placeCellEditor();
            QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "446.1");
            QTest::keyClick(table->findChild<QLineEdit*>("Text_Edit"), Qt::Key_Return);
        } else if (kind == "pick") {
            table->grid()->setCurrentCell(0, ChannelTableWindow::ColDecode);
            table->placeCellEditor();
            QTest::keyClick(table->findChild<QComboBox*>("Combo_edit"), Qt::Key_Down);
        } else if (kind == "clear") {
            table->findChild<QPushButton*>("Command_Clear")->click();
        } else if (kind == "option") {
            QTest::keyClick(child<QComboBox>("frm_option", "Combo_Sql"), Qt::Key_Down);
        } else if (kind == "vfo") {
            typeAndLeave(child<QLineEdit>("frm_option", "Text_RX_Freq"), "445.5");
        } else if (kind == "range") {
            typeAndLeave(child<QLineEdit>("frm_option", "Text_pvfo_d1"), "469");
        } else if (kind == "fm") {
            auto* fm = m_main->window<FmPresetsWindow>();
            fm->grid()->setCurrentCell(2, FmPresetsWindow::ColFrequency);
            fm->openEditor();
            QTest::keyClicks(fm->findChild<QLineEdit*>("Text_Edit"), "99.9");
            QTest::keyClick(fm->findChild<QLineEdit*>("Text_Edit"), Qt::Key_Return);
        } else if (kind == "model") {
            trigger("proc_type");
            m_main->window<ModelDialog>()->findChild<QPushButton*>("Command_enter")->click();
        } else if (kind == "new") {
            trigger("File_New");
        } else if (kind == "load") {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("other.chann"));
            MemoryImage other = document().image();
            other.fillBlock(kFmBlock, 0x30);
            QVERIFY(ChannelFile::write(path, other.bytes()).ok);
            QVERIFY(m_main->openFile(path));
        }
    }

    MainWindow* m_main = nullptr;
    QList<Prompt::Message> m_messages;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
