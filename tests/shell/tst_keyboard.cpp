// SPDX-License-Identifier: GPL-3.0-or-later
// The program without a mouse: the menus, their mnemonics and shortcuts, the
// keys for the windows inside the main window, the grids' context menus and F1.

#include "channels/ChannelTableWindow.h"
#include "fm/FmPresetsWindow.h"
#include "options/OptionsWindow.h"
#include "shell/MainWindow.h"
#include "ui/Prompt.h"

#include "Captions.h"
#include "FieldGuide.h"
#include "Language.h"
#include "support/ChannelGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

// The visible items of a menu or of the menu bar, separators left out.
QList<QAction*> items(const QList<QAction*>& actions)
{
    QList<QAction*> shown;
    for (QAction* action : actions)
        if (action->isVisible() && !action->isSeparator())
            shown.append(action);
    return shown;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        m_main = new MainWindow;
        Prompt::setHandler(m_main, [this](const Prompt::Message& m) {
            m_messages.append(m);
            return QMessageBox::Ok;
        });
        m_main->start();
        // Keys reach the shortcuts of the active window only.
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }
    void cleanup()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        delete m_main;
        applyUiLanguage(true);
    }

    void eachMenuHasItsOwnMnemonicsAndNoShortcutClashes_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("中文") << true;
        QTest::newRow("English") << false;
    }
    // Walks whatever menus there are, with every window open that adds items.
    void eachMenuHasItsOwnMnemonicsAndNoShortcutClashes()
    {
        QFETCH(bool, chinese);
        action(chinese ? "Language_chn" : "Language_eng")->trigger();
        for (const char* window : { "Channel_edit", "Optional_edit", "Test_edit" })
            action(window)->trigger();

        QHash<QKeySequence, QString> shortcuts;
        auto claim = [&](const QKeySequence& key, const QString& owner) {
            QVERIFY2(!shortcuts.contains(key), qPrintable(QStringLiteral("%1 is taken by both %2 and %3")
                                                              .arg(key.toString(), shortcuts.value(key), owner)));
            shortcuts.insert(key, owner);
        };
        std::function<void(const QList<QAction*>&, const QString&)> walk = [&](const QList<QAction*>& actions,
                                                                               const QString& path) {
            QHash<QString, QString> mnemonics;
            for (QAction* item : items(actions)) {
                const QString name = path + QStringLiteral(" > ") + item->text();
                const QString mnemonic = QKeySequence::mnemonic(item->text()).toString();
                // A placeholder such as "(none)" under Recent files needs none.
                QVERIFY2(!mnemonic.isEmpty() || !item->isEnabled(), qPrintable(name + QStringLiteral(" has no mnemonic")));
                if (!mnemonic.isEmpty()) {
                    QVERIFY2(!mnemonics.contains(mnemonic), qPrintable(QStringLiteral("%1 and %2 share %3")
                                                                           .arg(mnemonics.value(mnemonic), name, mnemonic)));
                    mnemonics.insert(mnemonic, name);
                }
                for (const QKeySequence& key : item->shortcuts())
                    claim(key, name);
                if (QMenu* menu = item->menu()) {
                    emit menu->aboutToShow();
                    walk(menu->actions(), name);
                }
            }
            // The menu bar's mnemonics are keys too.
            if (path.isEmpty())
                for (const QString& mnemonic : mnemonics.keys())
                    claim(QKeySequence(mnemonic), mnemonics.value(mnemonic));
        };
        walk(m_main->menuBar()->actions(), QString());
        QVERIFY(shortcuts.size() > 30);
        // The main window's keys outside the menus.
        for (QAction* key : m_main->actions())
            for (const QKeySequence& sequence : key->shortcuts())
                claim(sequence, key->objectName());
    }

    void standardShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Save As") << "File_saveas" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
        QTest::newRow("Print") << "File_print" << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("Exit") << "File_exit" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("Undo") << "Edit_undo" << QKeySequence(QStringLiteral("Ctrl+Z"));
        QTest::newRow("channel table") << "Channel_edit" << QKeySequence(QStringLiteral("Ctrl+1"));
        QTest::newRow("read") << "Prog_read" << QKeySequence(QStringLiteral("Ctrl+R"));
    }
    void standardShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, key);
        QCOMPARE(action(name.toLatin1())->shortcut(), key);
    }

    void menuBarByKeyboard_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("中文") << true;
        QTest::newRow("English") << false;
    }
    // F10 opens File; Right walks every item of the menu bar, plain commands
    // included, and comes back round to File; Escape gives the grid its focus back.
    void menuBarByKeyboard()
    {
        QFETCH(bool, chinese);
        action(chinese ? "Language_chn" : "Language_eng")->trigger();
        QTableWidget* grid = m_main->window<ChannelTableWindow>()->grid();
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QMenuBar* bar = m_main->menuBar();
        const QList<QAction*> titles = items(bar->actions());

        QTest::keyClick(grid, Qt::Key_F10);
        QTRY_COMPARE(bar->activeAction(), titles.first());
        QTRY_COMPARE(QApplication::activePopupWidget(), titles.first()->menu());
        for (int i = 1; i <= titles.size(); ++i) {
            // Where a keyboard's keys go: the open menu, or the focus.
            QWidget* keys = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
            QTest::keyClick(keys, Qt::Key_Right);
            QTRY_COMPARE(bar->activeAction(), titles.at(i % titles.size()));
        }
        while (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), bar);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(grid->hasFocus());
    }

    void altAndMnemonicOpensItsMenu_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("中文") << true;
        QTest::newRow("English") << false;
    }
    void altAndMnemonicOpensItsMenu()
    {
        QFETCH(bool, chinese);
        action(chinese ? "Language_chn" : "Language_eng")->trigger();
        QTableWidget* grid = m_main->window<ChannelTableWindow>()->grid();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), m_main->findChild<QMenu*>(QStringLiteral("Edit")));
    }

    // Ctrl+Tab and Ctrl+Shift+Tab go round the windows; Ctrl+F4 closes the active one.
    void windowKeys()
    {
        action("Optional_edit")->trigger();
        action("Test_edit")->trigger();
        QMdiArea* area = m_main->mdiArea();
        QCOMPARE(area->subWindowList().size(), 3);
        QWidget* start = area->activeSubWindow();
        QVERIFY(start);
        QSet<QWidget*> seen;
        for (int i = 0; i < 3; ++i) {
            seen.insert(area->activeSubWindow());
            QTest::keyClick(area->activeSubWindow()->widget(), Qt::Key_Tab, Qt::ControlModifier);
        }
        QCOMPARE(seen.size(), 3);
        QCOMPARE(area->activeSubWindow(), start);
        QTest::keyClick(area->activeSubWindow()->widget(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(area->activeSubWindow()->widget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(area->activeSubWindow(), start);

        QPointer<QMdiSubWindow> closing = area->activeSubWindow();
        QTest::keyClick(closing->widget(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(!closing);
        QCOMPARE(area->subWindowList().size(), 2);
        // The window menu shows that key with its Close.
        QVERIFY(std::any_of(area->subWindowList().first()->systemMenu()->actions().cbegin(),
                            area->subWindowList().first()->systemMenu()->actions().cend(),
                            [](const QAction* a) { return a->shortcut() == QKeySequence(QStringLiteral("Ctrl+F4")); }));
    }

    void gridContextMenuFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("channel table, Menu") << "Channel_edit" << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("channel table, Shift+F10") << "Channel_edit" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("FM, Menu") << "Test_edit" << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("FM, Shift+F10") << "Test_edit" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    // The menu opens under the current cell, wherever the mouse is.
    void gridContextMenuFromTheKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        action(window.toLatin1())->trigger();
        QTableWidget* grid = nullptr;
        QMenu* menu = nullptr;
        if (auto* table = m_main->window<ChannelTableWindow>(); table && window == QLatin1String("Channel_edit")) {
            grid = table->grid();
            menu = table->rowMenu();
        } else {
            grid = m_main->window<FmPresetsWindow>()->grid();
            menu = m_main->window<FmPresetsWindow>()->presetMenu();
        }
        grid->setFocus();
        grid->setCurrentCell(5, 1);
        QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(menu->isVisible());
        const QRect cell = grid->visualItemRect(grid->item(5, 1));
        const QPoint at = grid->viewport()->mapToGlobal(cell.bottomLeft());
        QVERIFY2((menu->pos() - at).manhattanLength() < 4,
                 qPrintable(QStringLiteral("menu at %1,%2, cell at %3,%4").arg(menu->x()).arg(menu->y()).arg(at.x()).arg(at.y())));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }

    // The FM grid's menu empties a preset as one undo step.
    void fmClearPreset()
    {
        action("Test_edit")->trigger();
        auto* fm = m_main->window<FmPresetsWindow>();
        fm->grid()->setCurrentCell(2, FmPresetsWindow::ColFrequency);
        fm->grid()->setFocus();
        QTest::keyClicks(fm->grid(), QStringLiteral("99.5"));
        QTest::keyClick(fm->findChild<QLineEdit*>(QStringLiteral("Text_Edit")), Qt::Key_Return);
        QCOMPARE(fm->cellText(3, FmPresetsWindow::ColFrequency), QStringLiteral("99.5"));
        fm->grid()->setCurrentCell(2, FmPresetsWindow::ColFrequency);
        const int steps = m_main->document().history()->count();
        fm->presetMenu()->findChild<QAction*>(QStringLiteral("Preset_clear"))->trigger();
        QCOMPARE(fm->cellText(3, FmPresetsWindow::ColFrequency), QString());
        QCOMPARE(m_main->document().history()->count(), steps + 1);
    }

    void f1SaysWhatTheControlDoes_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("中文") << true;
        QTest::newRow("English") << false;
    }
    void f1SaysWhatTheControlDoes()
    {
        QFETCH(bool, chinese);
        action(chinese ? "Language_chn" : "Language_eng")->trigger();
        // A grid column.
        auto* table = m_main->window<ChannelTableWindow>();
        table->grid()->setCurrentCell(4, ChannelTableWindow::ColEncode);
        table->grid()->setFocus();
        QTest::keyClick(table->grid(), Qt::Key_F1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.last().text, FieldGuide::describe(FieldGuide::ChannelColumn::Encode));
        // A setting of the optional features, also as its "What's this".
        action("Optional_edit")->trigger();
        auto* squelch = m_main->window<OptionsWindow>()->findChild<QComboBox*>(QStringLiteral("Combo_Sql"));
        squelch->setFocus();
        QTest::keyClick(squelch, Qt::Key_F1);
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(m_messages.last().text, FieldGuide::describe(Captions::Option::Squelch));
        QCOMPARE(squelch->whatsThis(), m_messages.last().text);
        QCOMPARE(m_messages.last().text.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))), chinese);
    }

private:
    QAction* action(const char* name) const
    {
        QAction* found = m_main->findChild<QAction*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }

    MainWindow* m_main = nullptr;
    QList<Prompt::Message> m_messages;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
