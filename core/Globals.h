#pragma once

// The program-wide state: the working copy of the radio's memory and every
// variable that the windows, the link and the checks share. One UI thread
// reads and writes all of it, so nothing here is locked.

#include "MemoryImage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

// Working copy of the radio's memory.
inline MemoryImage RadioImage;

inline bool UiLanguage = true;                 // true: Chinese, false: English
inline int RadioVersion = 2;                   // memory-format generation, 1 or 2
inline QString RadioVersionText = QStringLiteral("Ver2.0");
inline int CommPortNumber = 1;                 // COM1..COM8
inline bool PortError = false;                 // the last attempt to open the port failed

inline int ModelIndex = 0;
inline QStringList ModelNames;
inline std::vector<std::pair<int, int>> ModelBandLimits;   // lower, upper MHz per model

inline double FreqRangeLow = 400;              // MHz
inline double FreqRangeHigh = 470;             // MHz
inline int ChannelCount = 128;
inline int CurrentChannel = 1;

inline std::array<QString, 261> ToneTable;     // entries 0..257 filled
inline std::array<quint8, 3> FreqBytes{};      // encoder output: hundreds/tens, units/tenths, steps

inline QString ParamFileName;                  // last name accepted by a channel-file dialog

// Window-open flags, in the order the language switch reloads the windows.
inline bool AboutWindowOpen = false;
inline bool OptionWindowOpen = false;
inline bool ChannelWindowOpen = false;
inline bool SetupWindowOpen = false;
inline bool ModelWindowOpen = false;
inline bool SaveChannWindowOpen = false;
inline bool OpenChannWindowOpen = false;
inline bool ReadWindowOpen = false;
inline bool WriteWindowOpen = false;
inline bool FmWindowOpen = false;

// Texts of the About box, built by SetAboutTexts.
inline QString AboutTitle;
inline QString AboutVersion;
inline QString AboutDescription;
inline QString AboutDisclaimer;
inline QString AboutOkCaption;
inline QString AboutSysInfoCaption;

// The factory state of the radio's memory; touches no program-wide state, so
// it may be called from any thread.
MemoryImage factoryImage();

// Fills the image with the factory state and takes the range limits from it.
void ResetRadioImage();

// The version text for RadioVersion: "Ver1.0" or "Ver2.0".
QString versionText(int version);
