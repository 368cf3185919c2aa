#pragma once

// The two interface languages. Every text is written in English in the code
// and translated; UiLanguage chooses whether the Chinese translations are in force.

#include <QString>

// Installs or removes the Chinese translations to match UiLanguage. Every
// translation file embedded under :/i18n whose name ends in _zh_CN is loaded.
void applyUiLanguage();

// The maker's name line of the title bar and the status bar.
QString makerName();

// The main window's title in the current language.
QString mainWindowTitle();

// Sets the six About texts for UiLanguage and RadioVersion.
void SetAboutTexts();
