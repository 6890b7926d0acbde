#include "platform/german_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool useGermanQtTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
