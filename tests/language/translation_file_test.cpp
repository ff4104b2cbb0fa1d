// The German translation file against the window's texts: every text that src/ passes through tr()
// has a German text, the German keeps what the program fills in and the access keys, and the fixed
// error texts ending in "!!" stay as they are in every language.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace klt {
namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // the translation's state: "unfinished", "vanished", "obsolete" or empty when done
};

// The text of a <source> or <translation>; a <byte value="xd"/> inside stands for that character.
QString ElementText(QXmlStreamReader &xml) {
    const QString name = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            const QString value = xml.attributes().value("value").toString();
            text += QChar(value.mid(1).toUInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() == name) {
            break;
        }
    }
    return text;
}

std::vector<Entry> ReadEntries(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !entries.empty()) {
            entries.back().source = ElementText(xml);
        } else if (xml.name() == QLatin1String("translation") && !entries.empty()) {
            entries.back().type = xml.attributes().value("type").toString();
            entries.back().translation = ElementText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

std::string Name(const Entry &entry) {
    return entry.context.toStdString() + ": \"" + entry.source.toStdString() + "\"";
}

// Each text that is not finished, or finished empty.
std::vector<std::string> Untranslated(const std::vector<Entry> &entries) {
    std::vector<std::string> names;
    for (const Entry &entry : entries) {
        if (!entry.type.isEmpty() || entry.translation.isEmpty()) {
            names.push_back(Name(entry));
        }
    }
    return names;
}

QSet<QString> Placeholders(const QString &text) {
    static const QRegularExpression pattern("%[1-9]");
    QSet<QString> found;
    for (const auto &match : pattern.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

// An access key: an "&" before a character other than "&" (and not the "&&" of a plain ampersand).
int AccessKeys(const QString &text) {
    int keys = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            keys += text[i + 1] != '&' ? 1 : 0;
            ++i;
        }
    }
    return keys;
}

TEST(GermanTranslationFile, HasEveryTextOfTheWindow) {
    const std::vector<Entry> entries = ReadEntries(KLT_TS_FILE);
    EXPECT_GT(entries.size(), 250u);
    EXPECT_EQ(Untranslated(entries), std::vector<std::string>{});
}

// A text newly passed through tr() in src/ that klt_de.ts does not have yet: lupdate, as
// `make translations` runs it, adds it unfinished to a copy of the file.
TEST(GermanTranslationFile, StillHasEveryTextAfterTheSourcesAreScannedAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.filePath("klt_de.ts");
    ASSERT_TRUE(QFile::copy(KLT_TS_FILE, copy));
    QProcess lupdate;
    lupdate.start(KLT_LUPDATE, {"-locations", "none", "-no-obsolete", KLT_SOURCE_DIR "/src", "-ts", copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::vector<Entry> entries = ReadEntries(copy);
    EXPECT_EQ(entries.size(), ReadEntries(KLT_TS_FILE).size());
    EXPECT_EQ(Untranslated(entries), std::vector<std::string>{});
}

TEST(GermanTranslationFile, KeepsThePlaceholdersTheLineEndsAndTheAccessKeys) {
    for (const Entry &entry : ReadEntries(KLT_TS_FILE)) {
        EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source)) << Name(entry);
        EXPECT_EQ(entry.translation.count("\r\n"), entry.source.count("\r\n")) << Name(entry);
        EXPECT_EQ(AccessKeys(entry.translation), AccessKeys(entry.source)) << Name(entry);
        // A file filter stays "name (patterns)|pattern|...": the dialog's filters and the default
        // suffix of a saved file are read from its parts.
        if (entry.source.contains('|')) {
            const QStringList from = entry.source.split('|');
            const QStringList to = entry.translation.split('|');
            ASSERT_EQ(to.size(), from.size()) << Name(entry);
            for (qsizetype i = 1; i < from.size(); i += 2) {
                EXPECT_EQ(to[i], from[i]) << Name(entry);
                EXPECT_TRUE(to[i - 1].endsWith(from[i - 1].mid(from[i - 1].indexOf('(')))) << Name(entry);
            }
        }
    }
}

TEST(GermanTranslationFile, TheFixedErrorTextsStayAsTheyAre) {
    int fixed = 0;
    for (const Entry &entry : ReadEntries(KLT_TS_FILE)) {
        const QString first = entry.source.section("\r\n", 0, 0);
        if (!first.endsWith("!!")) {
            continue;
        }
        ++fixed;
        EXPECT_EQ(entry.translation.section("\r\n", 0, 0), first) << Name(entry);
        // The explanation below it is German.
        if (entry.source.contains("\r\n")) {
            EXPECT_NE(entry.translation, entry.source) << Name(entry);
        }
    }
    EXPECT_GE(fixed, 5);
}

} // namespace
} // namespace klt
