// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The optional-features window: the radio-wide settings, the frequency mode
// and the frequency range, each in a frame of its own. Every control shows
// one field of the image; each change the user makes is one undo step.
// Opening the window writes back what it shows once; showing it later
// changes nothing. Enter walks the controls in a fixed chain, and leaving a
// frequency box stores (or refuses) what was typed into it.

#include "SettingsFrame.h"

#include "ui/ChildWindow.h"

#include <QMetaObject>

class FrequencyModeFrame;
class FrequencyRangeFrame;
class OptionalFeaturesFrame;
class QLineEdit;
class QPushButton;
class RadioDocument;

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
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QList<SettingsFrame*> frames() const;
    void writeBackShownValues();
    void setEnterChain();
    void describeSettings();
    void showHelp();
    SettingsFrame* frameLeftBy(QWidget* widget) const;
    void runLeaveHandler(SettingsFrame* frame, QLineEdit* box);
    void focusChanged(QWidget* old, QWidget* now);

    OptionsEditing m_editing;
    OptionalFeaturesFrame* m_features;
    FrequencyModeFrame* m_frequencyMode;
    FrequencyRangeFrame* m_range;
    QPushButton* m_help;
    QPushButton* m_close;
    QHash<QWidget*, QWidget*> m_enterNext;   // the Enter chain
    bool m_closing = false;
    QMetaObject::Connection m_focusConnection;
};
