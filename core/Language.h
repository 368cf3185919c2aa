// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two interface languages. Every text is written in English in the code
// and translated; installing the Chinese translations puts Chinese in force.

#include <QString>

// Installs (chinese) or removes the Chinese translations. Every translation
// file embedded under :/i18n whose name ends in _zh_CN is loaded.
void applyUiLanguage(bool chinese);

// A text in Chinese whichever language is in force (for reading what the
// program wrote in either language); the English text when it has no translation.
QString chineseText(const char* context, const char* sourceText);

// The maker's name line of the title bar and the status bar.
QString makerName();

// The main window's title in the current language.
QString mainWindowTitle();

// The six texts of the About box for a memory-format version.
struct AboutTexts
{
    QString title;
    QString version;
    QString description;
    QString disclaimer;
    QString okCaption;
    QString sysInfoCaption;
};

AboutTexts aboutTexts(int version);
