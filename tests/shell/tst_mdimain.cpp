// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its panels, menus and dialogs, the language switch, and undo.

#include "channels/frm_chann.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "fm/Form_Edit_Test.h"
#include "options/frm_option.h"
#include "shell/Form_setup.h"
#include "shell/Form_type.h"
#include "shell/MDImain.h"
#include "ui/Prompt.h"
#include "shell/frmAbout.h"

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
#include <QUndoStack>
#include <QUrl>

using namespace MemoryMap;

class TestMdiMain : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        Prompt::setHandler([this](const Prompt::Message& m) {
            m_messages.append(m);
            return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Discard;
        });
        m_main = new MDImain;
        m_main->start();
    }
    void cleanup()
    {
        m_main->document().markSaved(QString());   // no unsaved-changes question on the way out
        delete m_main;
        Prompt::setHandler({});
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
        auto* first = m_main->window<frm_chann>();
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        m_main->findChild<QAction*>(QStringLiteral("Channel_edit"))->trigger();
        QCOMPARE(m_main->window<frm_chann>(), first);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);

        const QRect atStart = first->parentWidget()->geometry();
        first->findChild<QPushButton*>(QStringLiteral("Command_Close"))->click();
        QTRY_VERIFY(!m_main->window<frm_chann>());
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        QVERIFY(m_main->window<frm_chann>());
        // Placed as at start-up, when the bars were still being laid out.
        QCOMPARE(m_main->window<frm_chann>()->parentWidget()->geometry(), atStart);
    }

    // The model dialog shows the stored band; Confirm takes it as the limits
    // (the upper one plus one), as one undo step; Cancel changes nothing.
    void modelDialogReloadsTheLimits()
    {
        RadioDocument& document = m_main->document();
        const QList<int> range = { 0x00, 0x13, 0x00, 0x17 };
        for (int c = 0; c < 4; ++c)
            poke(document)->setCell(kRangeBlock, c, quint8(range[c]));
        for (const char* button : { "Command_Cancel", "Command_enter" }) {
            QCOMPARE(document.rangeHigh(), 470.0);
            m_main->findChild<QAction*>(QStringLiteral("proc_type"))->trigger();
            auto* dialog = m_main->window<Form_type>();
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label_band"))->text(), QStringLiteral("  130 --  170"));
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
            QTRY_VERIFY(!m_main->window<Form_type>());
        }
        QCOMPARE(document.rangeLow(), 130.0);
        QCOMPARE(document.rangeHigh(), 171.0);
        QCOMPARE(m_main->panelText(7), QStringLiteral(" 400-- 470 MHZ"));
        document.undoStack()->undo();
        QCOMPARE(document.rangeHigh(), 470.0);
    }

    // The title names the file in use and marks unsaved changes; the last
    // eight files used are offered again, and a channel file dropped on the
    // window opens as one chosen in the open dialog.
    void titleRecentFilesAndDrop()
    {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("qv3n-test"));
        QStringList questions;
        Prompt::setHandler([&](const Prompt::Message& m) {
            questions << m.text;
            return QMessageBox::Cancel;
        });
        auto drop = [this, &dir](const QString& name) {
            const QString path = dir.filePath(name);
            MemoryImage image = factoryImage();
            image.setCell(kFmBlock, 0, quint8(name.front().unicode()));
            QVERIFY(ChannelFile::write(path, image.bytes()).ok);
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            // The window that takes the drag's entry is the one the drop goes to.
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_main, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_main, &event);
        };
        for (const char* name : { "a.chann", "b.chann", "c.chann", "d.chann", "e.chann", "f.chann", "g.chann", "h.chann", "i.chann" })
            drop(QLatin1String(name));
        QTRY_COMPARE(m_main->document().fileName(), dir.filePath("i.chann"));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("羽湖无线电工坊  QV3N 系列对讲机编程软件 - i.chann[*]"));
        QVERIFY(!m_main->isWindowModified());

        auto* recent = m_main->findChild<QMenu*>(QStringLiteral("File_recent"));
        emit recent->aboutToShow();
        QStringList shown;
        for (QAction* entry : recent->actions())
            shown << entry->text().section(u'/', -1);
        QCOMPARE(shown, (QStringList{ "i.chann", "h.chann", "g.chann", "f.chann", "e.chann", "d.chann", "c.chann", "b.chann" }));

        // Over an unsaved change, both ask first; Cancel keeps the data.
        poke(m_main->document())->setCell(1, 10, 0x0C);
        QVERIFY(m_main->isWindowModified());
        recent->actions().at(3)->trigger();
        drop(QStringLiteral("j.chann"));
        QTRY_COMPARE(questions.size(), 2);
        QCOMPARE(m_main->document().image().cell(1, 10), 0x0C);
        QCOMPARE(m_main->document().fileName(), dir.filePath("i.chann"));
        Prompt::setHandler({});
        QCoreApplication::setOrganizationName(QString());
    }

    // Ctrl+Tab (not only to the next window) and Tab at the last cell leave the
    // channel grid for its buttons; Escape closes the model, port and About dialogs.
    void keyboardReachesMenusAndClosesDialogs()
    {
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        auto* table = m_main->window<frm_chann>();
        table->grid()->setFocus();
        QTest::keyClick(table->grid(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->hasFocus());
        table->grid()->setCurrentCell(127, frm_chann::ColName);
        table->grid()->setFocus();
        QTest::keyClick(table->grid(), Qt::Key_Tab);   // Tab from the last cell too
        QVERIFY(table->findChild<QPushButton*>(QStringLiteral("Command_Clear"))->hasFocus());

        for (const char* action : { "proc_type", "proc_setup", "Menu_About" }) {
            m_main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_main));
            m_main->findChild<QAction*>(QLatin1String(action))->trigger();
            QMdiSubWindow* frame = m_main->mdiArea()->activeSubWindow();
            QVERIFY(frame && frame->widget()->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY2(!m_main->window<Form_type>() && !m_main->window<Form_setup>() && !m_main->window<frmAbout>(),
                         action);
        }
    }

    // Every toolbar button has a name and a description for screen readers, in
    // the language in force; the Edit menu offers the channel table's row actions.
    void toolbarNamesAndEditMenu()
    {
        for (const bool chinese : { true, false }) {
            m_main->findChild<QAction*>(chinese ? "Language_chn" : "Language_eng")->trigger();
            auto* bar = m_main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
            QCOMPARE(bar->actions().size(), 6);
            for (QAction* button : bar->actions()) {
                QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(bar->widgetForAction(button));
                QVERIFY(shown);
                const QString name = shown->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty() && !shown->text(QAccessible::Description).isEmpty(), qPrintable(button->objectName()));
                QCOMPARE(name.front().unicode() > 0x2E80, chinese);
            }
        }
        QMenu* edit = m_main->findChild<QMenu*>(QStringLiteral("Edit"));
        QVERIFY(edit->actions().contains(m_main->window<frm_chann>()->findChild<QAction*>("Edit_paste")));
        applyUiLanguage(true);
    }

    // A screen reader can name every control of every window.
    void everyControlHasAName()
    {
        for (const char* open : { "proc_type", "Optional_edit", "Test_edit", "File_Open", "File_save", "proc_setup",
                                  "Prog_read", "Prog_write", "Menu_About" })
            m_main->findChild<QAction*>(QLatin1String(open))->trigger();
        for (QMdiSubWindow* frame : m_main->mdiArea()->subWindowList()) {
            for (QWidget* control : frame->widget()->findChildren<QWidget*>()) {
                if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(frame))
                    continue;
                QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(shown && !shown->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(frame->widget()->objectName() + u' ' + control->objectName()));
            }
        }
    }

    // Undo: every change of the working copy, from any window, is one step
    // that Edit > Undo takes back and Edit > Redo brings again, with every
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
        QTest::newRow("FM preset") << "fm" << "收音机频道 3";
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
        QCOMPARE(document().undoStack()->count(), 1);
        QCOMPARE(action("Edit_undo")->text(), QStringLiteral("撤销 %1").arg(step));
        const QStringList shownAfter = shown();
        // Every open window follows the change (the model's limits are shown in none).
        QVERIFY2(kind == "model" || shownAfter != shownBefore, qPrintable(kind));

        trigger("Edit_undo");
        QVERIFY(document().data() == before);
        QCOMPARE(shown(), shownBefore);
        // Back at the saved state; after New or a load, the state before them
        // differs from the (new) saved one.
        QCOMPARE(document().isModified(), kind == "new" || kind == "load");
        QCOMPARE(action("Edit_redo")->text(), QStringLiteral("重做 %1").arg(step));
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
        auto* table = m_main->window<frm_chann>();
        table->grid()->setCurrentCell(4, frm_chann::ColRx);
        table->PlaceCellEditor();
        QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "446.5");
        trigger("Edit_undo");
        QCOMPARE(table->cellText(5, frm_chann::ColRx), QString());
        QCOMPARE(table->cellText(2, frm_chann::ColRx), QStringLiteral("446.10000"));
        trigger("Edit_redo");
        QCOMPARE(table->cellText(5, frm_chann::ColRx), QStringLiteral("446.50000"));
    }

private:
    RadioDocument& document() const { return m_main->document(); }
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
        auto* table = m_main->window<frm_chann>();
        for (int n : { 1, 2 })
            for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
                texts << table->cellText(n, col);
        for (const char* name : { "Combo_Sql", "Combo_Decode" })
            texts << child<QComboBox>("frm_option", name)->currentText();
        for (const char* name : { "Text_RX_Freq", "Text_pvfo_d1" })
            texts << child<QLineEdit>("frm_option", name)->text();
        texts << m_main->window<Form_Edit_Test>()->cellText(3, Form_Edit_Test::ColFrequency);
        return texts;
    }

    void act(const QString& kind)
    {
        auto* table = m_main->window<frm_chann>();
        if (kind == "cell") {
            table->grid()->setCurrentCell(1, frm_chann::ColRx);
            table->PlaceCellEditor();
            QTest::keyClicks(table->findChild<QLineEdit*>("Text_Edit"), "446.1");
            QTest::keyClick(table->findChild<QLineEdit*>("Text_Edit"), Qt::Key_Return);
        } else if (kind == "pick") {
            table->grid()->setCurrentCell(0, frm_chann::ColDecode);
            table->PlaceCellEditor();
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
            auto* fm = m_main->window<Form_Edit_Test>();
            fm->grid()->setCurrentCell(2, Form_Edit_Test::ColFrequency);
            fm->OpenFmEditor();
            QTest::keyClicks(fm->findChild<QLineEdit*>("Text_Edit"), "99.9");
            QTest::keyClick(fm->findChild<QLineEdit*>("Text_Edit"), Qt::Key_Return);
        } else if (kind == "model") {
            trigger("proc_type");
            m_main->window<Form_type>()->findChild<QPushButton*>("Command_enter")->click();
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

    MDImain* m_main = nullptr;
    QList<Prompt::Message> m_messages;
};

QTEST_MAIN(TestMdiMain)
#include "tst_mdimain.moc"
