// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The optional-features window: the radio-wide settings of the document, the
// frequency-mode record and the frequency range. Every control shows one
// field of the image; each change the user makes is one undo step. Opening
// the window writes back what it shows once; showing it later changes nothing.

#include "ui/ChildWindow.h"

#include "Captions.h"

#include <QHash>
#include <functional>
#include <QMetaObject>
#include <QSet>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RadioDocument;
using StepName = std::function<QString()>;

namespace Settings {
struct BitField;
}

class OptionsWindow : public ChildWindow
{
    Q_OBJECT
public:
    explicit OptionsWindow(RadioDocument& document, QWidget* parent = nullptr);
    ~OptionsWindow() override;

    QRect placement(const QSize& mainSize) const override;
    void activated() override;

    // Stores (or refuses) a frequency or range still being typed, as leaving its box does.
    void commitPendingEdit() override;

    // Shows every setting of the document; it changes nothing.
    void RefreshOptionWindow();

    // Writes both range boxes into the range block, then refreshes.
    void StoreFrequencyRange();

    // Warns when the frequency mode or a channel lies outside the stored range.
    void CheckFrequencyLimits();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Writes back what the window shows the first time, as one undo step
    // named after the window (see ShownSettings).
    void writeBackShownValues();

    // Changes the document as one undo step named after the control.
    template <class Change>
    void edit(QWidget* control, Change&& change);
    QHash<QWidget*, Captions::Option> settingsOfControls() const;
    StepName stepName(QWidget* control) const;
    void describeSettings();
    static StepName windowStep();

    void createControls();
    void fillLists();
    void layOut();
    void connectHandlers();
    void setEnterChain();

    // Showing values: each assignment that changes what a control shows runs
    // its store handler through the control's change signal.
    void showIndex(QComboBox* list, int value);
    void showChecked(QCheckBox* box, bool checked);
    void showText(QLineEdit* box, const QString& text);
    void showTone(QComboBox* list, QCheckBox* inverted, Settings::BitField tone, Settings::BitField invertedBit);

    void connectIndex(QComboBox* list, Settings::BitField field);
    void connectFlag(QCheckBox* box, Settings::BitField field);
    void connectTone(QComboBox* list, QCheckBox* inverted, Settings::BitField tone, Settings::BitField invertedBit);

    void onlyChannelModeChanged(bool checked);
    void priorityChannelChosen(int index);
    void duplexChosen(int index);

    // The frequency boxes.
    bool frequencyKeyPressed(QLineEdit* box, QKeyEvent* event);
    void frequencyTextChanged(QLineEdit* box);
    void receiveLeft();
    void offsetLeft();
    void lowerLimitLeft();
    void upperLimitLeft();
    void refuse(QLineEdit* box, const QString& message);
    QString boxMessage(QLineEdit* box) const;

    // Leaving a box runs its leave handler once per user focus change.
    bool hasLeaveHandler(QWidget* widget) const;
    void runLeaveHandler(QLineEdit* box);
    void focusChanged(QWidget* old, QWidget* now);

    QString txMessage() const;

    RadioDocument& m_document;

    QLabel* Label_tot;
    QLabel* Label_vox;
    QLabel* Label_sql;
    QLabel* Label_lamp;
    QLabel* Label_mdf;
    QLabel* Label_Scan;
    QLabel* Label_pri;
    QLabel* Label_PF;
    QComboBox* Combo_TOT;
    QComboBox* Combo_vox;
    QComboBox* Combo_Sql;
    QComboBox* Combo_Lamp;
    QComboBox* Combo_Mdf;
    QComboBox* Combo_Scan;
    QComboBox* Combo_pri;
    QComboBox* Combo_PF;
    QGroupBox* Frame_mode;
    QRadioButton* Option_freq;
    QRadioButton* Option_chann;
    QCheckBox* Check_Chann;
    QCheckBox* Check_Save;
    QCheckBox* Check_Beep;
    QCheckBox* Check_Pri;

    QGroupBox* Frame_vfo;
    QLabel* Label_Rx_freq;
    QLabel* Label_Tx_Freq;
    QLabel* Label_Decode;
    QLabel* Label_Encode;
    QLabel* Label_Step;
    QLabel* Label_Sft_d;
    QLabel* Label_offset;
    QLabel* Label_wn;
    QLabel* Label_Txp;
    QLineEdit* Text_RX_Freq;
    QLineEdit* Text_TX_Freq;
    QLineEdit* Text_Offset_Freq;
    QComboBox* Combo_Decode;
    QComboBox* Combo_Encode;
    QCheckBox* Check_DNI;
    QCheckBox* Check_ENI;
    QComboBox* Combo_Step;
    QComboBox* Combo_Sft_d;
    QComboBox* Combo_WN;
    QComboBox* Combo_TXP;

    QGroupBox* Frame_Freq_range;
    QLabel* Label_From;
    QLabel* Label_to;
    QLabel* Label_MHZ;
    QLineEdit* Text_pvfo_d0;
    QLineEdit* Text_pvfo_d1;

    QPushButton* Command_help;
    QPushButton* Command_Close;

    QHash<QWidget*, QWidget*> m_enterNext;     // the Enter chain
    QSet<QLineEdit*> m_edited;                 // typed into since its leave handler last ran
    QHash<QLineEdit*, QString> m_refusedShown; // stored texts a box refused, told once
    int m_settingText = 0;                     // > 0 while the program sets a box's text
    int m_busy = 0;                            // > 0 while a refresh or a leave handler runs
    int m_refreshing = 0;                      // > 0 while the refresh sets the controls
    bool m_closing = false;
    QMetaObject::Connection m_focusConnection;
};
