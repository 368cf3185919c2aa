// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include "RadioData.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& chineseTranslators()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    if (translators.empty()) {
        const QDir dir(QStringLiteral(":/i18n"));
        const QStringList files = dir.entryList({ QStringLiteral("*_zh_CN.qm") }, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(dir.filePath(file)))
                translators.push_back(std::move(translator));
        }
        // Qt's own dialogs (print preview, print and file dialogs), where the system has their translation.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            translators.push_back(std::move(qt));
    }
    return translators;
}

struct Maker
{
    Q_DECLARE_TR_FUNCTIONS(Maker)
};

} // namespace

void applyUiLanguage(bool chinese)
{
    for (const auto& translator : chineseTranslators()) {
        if (chinese)
            QCoreApplication::installTranslator(translator.get());
        else
            QCoreApplication::removeTranslator(translator.get());
    }
}

QString chineseText(const char* context, const char* sourceText)
{
    for (const auto& translator : chineseTranslators()) {
        const QString text = translator->translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}

QString makerName()
{
    return Maker::tr("Quillmere Radio Workshop");
}

QString mainWindowTitle()
{
    return Maker::tr("%1 QV3N series program software ").arg(makerName());
}

AboutTexts aboutTexts(int version)
{
    return {
        Maker::tr("Quillmere Radio Workshop QV3N series program software. "),
        versionText(version) + Maker::tr("  Copyright (C) Quillmere Radio Workshop. All rights reserved."),
        Maker::tr("    This software was designed and developed by Quillmere Radio Workshop."),
        Maker::tr("Warning: this program is protected by copyright law. Unauthorised copying or "
                  "distribution of this program, or of any part of it, will be prosecuted to the "
                  "full extent of the law."),
        Maker::tr("Confirm"),
        Maker::tr("System Information(&S)..."),
    };
}
