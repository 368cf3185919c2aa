#include "channels/frm_chann.h"
#include "shell/Form_type.h"
#include "shell/MDImain.h"

#include "support/DocumentPoke.h"
#include "MemoryMap.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

class TestMdiMain : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_main = new MDImain;
        m_main->start();
    }
    void cleanup() { delete m_main; }

    void startsInChineseWithTheEightPanels()
    {
        const QStringList expected = { QStringLiteral("状态"), QString(), QStringLiteral("COM1"),
                                       QStringLiteral("软件版本"), QStringLiteral("Ver2.0"), QStringLiteral("频 段"),
                                       QStringLiteral(" 400-- 470 MHZ"), QStringLiteral("羽湖无线电工坊") };
        for (int panel = 1; panel <= MDImain::kPanelCount; ++panel)
            QCOMPARE(m_main->panelText(panel), expected[panel - 1]);
        QCOMPARE(m_main->windowTitle(), QStringLiteral("羽湖无线电工坊  QV3N 系列对讲机编程软件 "));
        QVERIFY(m_main->findChild<QAction*>(QStringLiteral("Language_chn"))->isChecked());
        QCOMPARE(m_main->findChild<QAction*>(QStringLiteral("Prog_read"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_R));
    }

    void opensTheEmptyChannelTable()
    {
        auto* table = m_main->window<frm_chann>();
        QCOMPARE(table->grid()->rowCount(), 128);
        for (int n = 1; n <= 128; ++n) {
            QCOMPARE(table->cellText(n, frm_chann::ColNumber), QString::number(n));
            for (int col = frm_chann::ColRx; col <= frm_chann::ColName; ++col)
                QVERIFY(table->cellText(n, col).isEmpty());
        }
    }

    void eachWindowExistsOnce()
    {
        auto* first = m_main->window<frm_chann>();
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        m_main->findChild<QAction*>(QStringLiteral("Channel_edit"))->trigger();
        QCOMPARE(m_main->window<frm_chann>(), first);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);

        first->findChild<QPushButton*>(QStringLiteral("Command_Close"))->click();
        QTRY_VERIFY(!m_main->window<frm_chann>());
        m_main->findChild<QAction*>(QStringLiteral("edit_chann"))->trigger();
        QVERIFY(m_main->window<frm_chann>());
    }

    void modelDialogReloadsTheLimits_data()
    {
        QTest::addColumn<QList<int>>("range");
        QTest::addColumn<QString>("band");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("default") << QList<int>{ 0x00, 0x40, 0x00, 0x47 } << "  400 --  470" << 400.0 << 471.0;
        QTest::newRow("130 to 170") << QList<int>{ 0x00, 0x13, 0x00, 0x17 } << "  130 --  170" << 130.0 << 171.0;
    }
    // Confirm takes the band as the limits (the upper one plus one), as one
    // undo step; Cancel changes nothing.
    void modelDialogReloadsTheLimits()
    {
        QFETCH(QList<int>, range);
        QFETCH(QString, band);
        QFETCH(double, low);
        QFETCH(double, high);
        RadioDocument& document = m_main->document();
        QCOMPARE(document.rangeLow(), 400.0);
        QCOMPARE(document.rangeHigh(), 470.0);
        for (int c = 0; c < 4; ++c)
            poke(document)->setCell(MemoryMap::kRangeBlock, c, quint8(range[c]));

        for (const char* button : { "Command_Cancel", "Command_enter" }) {
            m_main->findChild<QAction*>(QStringLiteral("proc_type"))->trigger();
            auto* dialog = m_main->window<Form_type>();
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label_band"))->text(), band);
            QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("Combo_type"))->count(), 1);
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
            QTRY_VERIFY(!m_main->window<Form_type>());
        }
        QCOMPARE(document.rangeLow(), low);
        QCOMPARE(document.rangeHigh(), high);
        QCOMPARE(m_main->panelText(7), QStringLiteral(" 400-- 470 MHZ"));
        document.undoStack()->undo();
        QCOMPARE(document.rangeHigh(), 470.0);
    }

private:
    MDImain* m_main = nullptr;
};

QTEST_MAIN(TestMdiMain)
#include "tst_mdimain.moc"
