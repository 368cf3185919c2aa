#include "channels/frm_chann.h"
#include "files/Form_open_chann.h"
#include "files/Form_save_chann.h"
#include "fm/Form_Edit_Test.h"
#include "options/frm_option.h"
#include "shell/Form_type.h"
#include "shell/MDImain.h"
#include "ui/Prompt.h"

#include "support/DocumentPoke.h"
#include "MemoryMap.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

QString headerText(QTableWidget* grid, int column)
{
    return grid->horizontalHeaderItem(column)->text();
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_messages.clear();
        Prompt::setHandler([this](const Prompt::Message& m) {
            m_messages.append(m);
            return QMessageBox::Ok;
        });
        m_main = new MDImain;
        m_main->start();
    }
    void cleanup()
    {
        m_main->document().markSaved(QString());   // no unsaved-changes question on the way out
        delete m_main;
        Prompt::setHandler({});
    }

    void reopensWindowsInEnglishWithTheSameContents()
    {
        RadioDocument& document = m_main->document();
        poke(document)->setBlock(3, { 0x00, 0x00, 0x50, 0x44, 0x09, 0x00, 0x50, 0x44, 0x10, 0xC0, 0x0E, 0x13, 0x01,
                                      0xFF, 0xFF, 0x00 });
        poke(document)->setCell(MemoryMap::kFmBlock, 2, 130);
        m_main->findChild<QAction*>("Test_edit")->trigger();
        const MemoryImage before = document.image();
        auto* oldTable = m_main->window<frm_chann>();

        m_main->findChild<QAction*>("Language_eng")->trigger();

        QVERIFY(m_main->findChild<QAction*>("Language_eng")->isChecked());
        auto* table = m_main->window<frm_chann>();
        QVERIFY(table && table != oldTable);
        QCOMPARE(table->windowTitle(), QStringLiteral("Channel Information"));
        QCOMPARE(headerText(table->grid(), 1), QStringLiteral("RX Frequency"));
        QCOMPARE(table->cellText(3, frm_chann::ColRx), QStringLiteral("445.00000"));
        QCOMPARE(table->cellText(3, frm_chann::ColName), QStringLiteral("CH1"));

        auto* fm = m_main->window<Form_Edit_Test>();
        QVERIFY(fm);
        QCOMPARE(fm->windowTitle(), QStringLiteral("Radio Frequency"));
        auto* fmGrid = fm->findChild<QTableWidget*>("MSF_chann");
        QCOMPARE(headerText(fmGrid, 0), QStringLiteral("Radio Channel"));
        QCOMPARE(fmGrid->item(2, 1)->text(), QStringLiteral("100.0"));
        QVERIFY(document.image() == before);
    }

    void mainWindowCaptionsFollowTheLanguage()
    {
        m_main->setPanelText(5, QStringLiteral("Ver1.0"));
        m_main->findChild<QAction*>("Language_eng")->trigger();
        QCOMPARE(m_main->findChild<QAction*>("proc_type")->text(), QStringLiteral("Model"));
        QCOMPARE(m_main->findChild<QAction*>("Channel_edit")->text(), QStringLiteral("Channel Information "));
        QVERIFY(m_main->findChild<QAction*>("Language_eng")->isChecked());
        const QStringList english = { "State", "", "COM1", "  Version", "Ver1.0", "Band", " 400-- 470 MHZ",
                                      "Quillmere Radio Workshop" };
        for (int panel = 1; panel <= 8; ++panel)
            QCOMPARE(m_main->panelText(panel), english[panel - 1]);
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Quillmere Radio Workshop QV3N series program software [*]"));

        m_main->findChild<QAction*>("Language_chn")->trigger();
        QCOMPARE(m_main->findChild<QAction*>("proc_type")->text(), QStringLiteral("机型"));
        QCOMPARE(m_main->panelText(6), QStringLiteral("频段"));
        QVERIFY(m_main->findChild<QAction*>("Language_chn")->isChecked());
    }

    void windowCaptions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::newRow("model title") << "proc_type" << "Form_type" << "" << "机型选择" << "Model Select";
        QTest::newRow("table clear") << "Channel_edit" << "frm_chann" << "Command_Clear" << "清除" << "Clear";
        QTest::newRow("options tot") << "Optional_edit" << "frm_option" << "Label_tot" << "超时定时器(TOT)[分钟]"
                                     << "Time Out Timer(TOT)[Min]";
        QTest::newRow("options display list") << "Optional_edit" << "frm_option" << "Combo_Mdf" << "显示信道频率"
                                              << "Frequncy";
        QTest::newRow("fm close") << "Test_edit" << "Form_Edit_Test" << "Command_Close" << "关闭" << "Close";
        QTest::newRow("open title") << "File_Open" << "Form_open_chann" << "" << "打开信道参数文件"
                                    << "Open Channcle File";
        QTest::newRow("save file name") << "File_save" << "Form_save_chann" << "Label_name" << "保存文件名："
                                        << "Save File:";
        QTest::newRow("setup frame") << "proc_setup" << "Form_setup" << "Frame1" << "端口设置" << "Port Setup";
        QTest::newRow("read title") << "Prog_read" << "Form_Comm_Read" << "" << "从对讲机读取数据"
                                    << "Read Data From Radio";
        QTest::newRow("write help") << "Prog_write" << "Form_Comm_Write" << "Command_Help" << "帮助" << "Help";
        QTest::newRow("about sysinfo") << "Menu_About" << "frmAbout" << "cmdSysInfo" << "系统信息(&S)..."
                                       << "System Information(&S)...";
    }
    void windowCaptions()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        auto caption = [&] {
            auto* w = m_main->findChild<QWidget*>(window);
            if (!w)
                return QStringLiteral("<%1 not open>").arg(window);
            if (control.isEmpty())
                return w->windowTitle();
            QObject* c = w->findChild<QObject*>(control);
            if (auto* label = qobject_cast<QLabel*>(c))
                return label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(c))
                return button->text();
            if (auto* group = qobject_cast<QGroupBox*>(c))
                return group->title();
            if (auto* list = qobject_cast<QComboBox*>(c))
                return list->itemText(0);
            return QStringLiteral("<%1 not found>").arg(control);
        };
        m_main->findChild<QAction*>(action)->trigger();
        QCOMPARE(caption(), chinese);
        m_main->findChild<QAction*>("Language_eng")->trigger();
        QCOMPARE(caption(), english);
    }

    void messagesAfterASwitchUseTheNewLanguage()
    {
        m_main->findChild<QAction*>("Language_eng")->trigger();
        auto* table = m_main->window<frm_chann>();
        table->grid()->setCurrentCell(4, frm_chann::ColRx);
        table->PlaceCellEditor();
        auto* editor = table->findChild<QLineEdit*>("Text_Edit");
        QTest::keyClicks(editor, "500");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, QStringLiteral("Over the range of receive frequency ."));
    }

private:
    MDImain* m_main = nullptr;
    QList<Prompt::Message> m_messages;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
