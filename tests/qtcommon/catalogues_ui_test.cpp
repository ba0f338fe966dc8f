#include "qtcommon/language_setting.h"
#include "qtcommon/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tarvon {
namespace {

struct Message {
    QString source, translation, type;
};

// Context and source of each message of a catalogue, with its translation.
std::map<QString, Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::map<QString, Message> messages;
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            m.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            m.type = xml.attributes().value("type").toString();
            m.translation = xml.readElementText();
            messages[context + "|" + m.source] = m;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression arg("%[1-9]");
    for (auto it = arg.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

QStringList Catalogues(const QString& code) {
    return QDir(QString(PROJECT_SOURCE_ROOT) + "/translations")
        .entryList({"*_" + code + ".ts"}, QDir::Files, QDir::Name);
}

TEST(Catalogues, EveryTextHasAFinishedTranslationWithTheSamePlaceholders) {
    const QString folder = QString(PROJECT_SOURCE_ROOT) + "/translations/";
    ASSERT_FALSE(Catalogues("es").isEmpty());
    for (const QString& code : {QString("es"), QString("en")}) {
        for (const QString& name : Catalogues(code)) {
            for (const auto& [key, m] : ReadCatalogue(folder + name)) {
                const std::string where = (name + ": " + m.source).toStdString();
                EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
                EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(m.source), Placeholders(m.translation)) << where;
            }
        }
    }
}

TEST(Catalogues, SpanishAndEnglishTranslateTheSameTexts) {
    const QString folder = QString(PROJECT_SOURCE_ROOT) + "/translations/";
    const QStringList es = Catalogues("es");
    ASSERT_EQ(es.size(), Catalogues("en").size());
    for (const QString& name : es) {
        QString en = name;
        en.replace("_es.ts", "_en.ts");
        std::set<QString> esKeys, enKeys;
        for (const auto& kv : ReadCatalogue(folder + name))
            esKeys.insert(kv.first);
        for (const auto& kv : ReadCatalogue(folder + en))
            enKeys.insert(kv.first);
        EXPECT_EQ(esKeys, enKeys) << name.toStdString();
    }
}

TEST(Catalogues, EachLanguageTranslatesEveryTextOfItsBuiltInCatalogues) {
    const QString folder = QString(PROJECT_SOURCE_ROOT) + "/translations/";
    for (const QString& code : {QString("es"), QString("en")}) {
        const Translations t(*IdiomaDelCodi(code.toStdString()));
        for (const QString& name : Catalogues(code))
            for (const auto& [key, m] : ReadCatalogue(folder + name)) {
                const QString context = key.left(key.indexOf('|'));
                EXPECT_EQ(QCoreApplication::translate(context.toUtf8(), m.source.toUtf8()),
                          m.translation)
                    << (name + ": " + m.source).toStdString();
            }
    }
}

TEST(Catalogues, CatalanButtonsOfQtsDialogsComeFromQtsCatalogue) {
    const Translations catala(Idioma::Catala);
    EXPECT_EQ(catala.installed(), 1);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "D'acord");
    const Translations castella(Idioma::Castella);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
}

TEST(LanguageSetting, TheStoredChoiceIsReadBackAndOverridesTheSystem) {
    DesaIdioma(Idioma::Castella);
    EXPECT_EQ(IdiomaActual(), Idioma::Castella);
    DesaIdioma(Idioma::Angles);
    EXPECT_EQ(IdiomaActual(), Idioma::Angles);
    DesaIdioma(Idioma::Catala);
    EXPECT_EQ(IdiomaActual(), Idioma::Catala);
}

} // namespace
} // namespace tarvon
