// Turns the UTF-8 sources of the default texts into the Shift-JIS .DAT files beside the
// executable. Run by the build: any fault in a source stops the build, naming file and line.
//
// usage: sorvik-make-texts <sources folder> <output folder>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cstdio>
#include <set>

#include "engine/catalogue.h"
#include "engine/patterns.h"
#include "platform/errors.h"
#include "platform/sjis.h"
#include "platform/text_file.h"
#include "texts/combinations.h"
#include "texts/line_break.h"
#include "texts/text_files.h"

namespace sorvik::texts {
namespace {

struct SourceError {
    QString file;
    int line;
    QString message;
};

struct Entry {
    int line = 0;  // 1-based, of the "## " line
    QString head;  // the text after "## "
    QString body;  // lines joined with CR LF
};

struct Source {
    QString name;
    bool exists = false;
    QString heading;
    QList<Entry> entries;

    [[noreturn]] void fail(int line, const QString& message) const {
        throw SourceError{name, line, message};
    }
};

QString readUtf8(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw SourceError{name, 0, QStringLiteral("cannot be read: ") + file.errorString()};
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        throw SourceError{name, 0, QStringLiteral("is not valid UTF-8")};
    }
    return text;
}

void checkEncodable(const Source& source, int line, const QString& text) {
    try {
        platform::encodeSjis(text);
    } catch (const platform::EncodingError& e) {
        source.fail(line, e.message());
    }
    // A "/r" or "/t" written in a source would turn into a line break or a field separator
    // when the program reads the file.
    if (text.contains(QStringLiteral("/r")) || text.contains(QStringLiteral("/t"))) {
        source.fail(line, QStringLiteral("\"/r\" and \"/t\" cannot appear in a text"));
    }
}

QString joinBody(QStringList lines) {
    for (QString& line : lines) {
        while (!line.isEmpty() && line.back().isSpace()) {
            line.chop(1);
        }
    }
    while (!lines.isEmpty() && lines.first().isEmpty()) {
        lines.removeFirst();
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines.join(QStringLiteral("\r\n"));
}

Source readSource(const QString& folder, const QString& name) {
    Source source;
    source.name = name;
    const QString path = QDir(folder).filePath(name);
    if (!QFile::exists(path)) {
        return source;
    }
    source.exists = true;
    const QStringList lines = platform::splitLines(readUtf8(path, name));
    QStringList body;
    auto closeEntry = [&] {
        if (!source.entries.isEmpty()) {
            source.entries.last().body = joinBody(body);
        }
        body.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int number = i + 1;
        if (line.startsWith(QStringLiteral("//"))) {
            continue;
        }
        checkEncodable(source, number, line);
        if (line.startsWith(QStringLiteral("## "))) {
            closeEntry();
            source.entries.append({number, line.mid(3).trimmed(), QString()});
        } else if (line.startsWith(QStringLiteral("# "))) {
            if (!source.entries.isEmpty() || !source.heading.isNull()) {
                source.fail(number,
                            QStringLiteral("the heading must come once, before the first entry"));
            }
            source.heading = line.mid(2).trimmed();
        } else if (source.entries.isEmpty()) {
            if (!line.trimmed().isEmpty()) {
                source.fail(number, QStringLiteral("text before the first \"## \" entry"));
            }
        } else {
            body.append(line);
        }
    }
    closeEntry();
    return source;
}

// The catalogue's name with its padding blanks removed ("　流羊" is written 流羊).
QString catalogueName(int star) {
    const auto name = engine::starInfo(star).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
}

int starNumber(const Source& source, int line, const QString& text, int first, int last) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < first || value > last) {
        source.fail(
            line,
            QStringLiteral("star number \"%1\" is not in %2..%3").arg(text).arg(first).arg(last));
    }
    return value;
}

void checkStarName(const Source& source, int line, int star, const QString& name) {
    if (name != catalogueName(star)) {
        source.fail(
            line, QStringLiteral("star %1 is %2, not %3").arg(star).arg(catalogueName(star), name));
    }
}

void checkHeading(const Source& source, bool wanted) {
    if (!wanted && !source.heading.isNull()) {
        source.fail(0, QStringLiteral("this file has no heading line"));
    }
}

QStringList starLines(const Source& source) {
    checkHeading(source, false);
    static const QRegularExpression head(QStringLiteral("^(\\S+)\\s+(\\S+)\\s*\\|\\s*(.*)$"));
    QStringList lines(kStarLineCount);
    std::set<int> seen;
    for (const Entry& e : source.entries) {
        const auto m = head.match(e.head);
        if (!m.hasMatch()) {
            source.fail(e.line, QStringLiteral("expected \"## <number> <name> | <nature>\""));
        }
        const int star = starNumber(source, e.line, m.captured(1), 1, engine::kStarCount);
        checkStarName(source, e.line, star, m.captured(2));
        if (!seen.insert(star).second) {
            source.fail(e.line, QStringLiteral("star %1 appears twice").arg(star));
        }
        const QString nature = m.captured(3).trimmed();
        if (!nature.isEmpty() || !e.body.isEmpty()) {
            lines[star - 1] = joinStarLine(nature, encodeLineBreaks(e.body));
        }
    }
    return lines;
}

QStringList patternLines(const Source& source) {
    checkHeading(source, false);
    static const QRegularExpression head(QStringLiteral("^(\\S+)\\s+(.+)$"));
    QStringList lines(kPatternLineCount);
    std::set<int> seen;
    for (const Entry& e : source.entries) {
        const auto m = head.match(e.head);
        bool ok = false;
        const int index = m.hasMatch() ? m.captured(1).toInt(&ok) : -1;
        if (!ok || index < 0 || index >= engine::kPatternCount) {
            source.fail(e.line, QStringLiteral("expected \"## <pattern 0..38> <name>\""));
        }
        const auto stored = engine::patternName(index);
        const QString name =
            QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size())).trimmed();
        if (m.captured(2).trimmed() != name) {
            source.fail(
                e.line,
                QStringLiteral("pattern %1 is %2, not %3").arg(index).arg(name, m.captured(2)));
        }
        if (!seen.insert(index).second) {
            source.fail(e.line, QStringLiteral("pattern %1 appears twice").arg(index));
        }
        lines[index] = encodeLineBreaks(e.body);
    }
    return lines;
}

QString palaceName(int number) {
    if (number == kLuckPalaceFile) {
        return QStringLiteral("行運");
    }
    const auto name = engine::defaultPalaceName(number - 1);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QStringList palaceLines(const Source& source, int number) {
    static const QRegularExpression head(QStringLiteral("^(\\S+)\\s+(\\S+)$"));
    QStringList lines(kPalaceLineCount);
    lines[0] =
        source.heading.isNull() ? palaceName(number) + QStringLiteral("の説明") : source.heading;
    std::set<int> seen;
    for (const Entry& e : source.entries) {
        const auto m = head.match(e.head);
        if (!m.hasMatch()) {
            source.fail(e.line, QStringLiteral("expected \"## <number> <name>\""));
        }
        const int star = starNumber(source, e.line, m.captured(1), 1, engine::kStarCount);
        checkStarName(source, e.line, star, m.captured(2));
        if (!seen.insert(star).second) {
            source.fail(e.line, QStringLiteral("star %1 appears twice").arg(star));
        }
        lines[star] = encodeLineBreaks(e.body);
    }
    return lines;
}

QStringList combinationLines(const Source& source, int number) {
    static const QRegularExpression head(
        QStringLiteral("^(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)(\\s.*)?$"));
    CombinationFile file;
    file.heading = source.heading.isNull()
                       ? palaceName(number) + QStringLiteral("での組み合わせの説明")
                       : source.heading;
    std::set<QString> seen;
    for (const Entry& e : source.entries) {
        const auto m = head.match(e.head);
        if (!m.hasMatch()) {
            source.fail(e.line,
                        QStringLiteral(
                            "expected \"## <star 1> <star A> <star B or 0> <kind 0/1> <note>\""));
        }
        CombinationRecord record;
        record.star1 = starNumber(source, e.line, m.captured(1), 1, engine::kStarCount - 1);
        record.starA = starNumber(source, e.line, m.captured(2), 1, engine::kStarCount);
        const int starB = starNumber(source, e.line, m.captured(3), 0, engine::kStarCount);
        if (record.star1 == record.starA) {
            source.fail(e.line, QStringLiteral("star 1 and star A are the same star"));
        }
        if (starB != 0 && starB <= record.starA) {
            source.fail(e.line, QStringLiteral("star B must be 0 or greater than star A"));
        }
        record.starB = starB == 0 ? kNoStarB : starB;
        const QString kind = m.captured(4);
        if (kind != u"0" && kind != u"1") {
            source.fail(e.line, QStringLiteral("kind must be 0 or 1"));
        }
        record.kind = kind == u"1" ? CombinationKind::SameOrTrine : CombinationKind::SamePalace;
        record.text = encodeLineBreaks(e.body);
        const QString line = formatCombinationRecord(record);
        if (!seen.insert(line.left(kKeyLength)).second) {
            source.fail(e.line, QStringLiteral("the same stars and kind appear twice"));
        }
        file.records.append(line);
    }
    return combinationFileLines(file);
}

void writeOutput(const QString& folder, const QString& name, const QStringList& lines) {
    platform::writeSjisLines(QDir(folder).filePath(name), lines);
}

int run(const QString& sources, const QString& output) {
    QDir().mkpath(output);
    writeOutput(output, starFileName(),
                starLines(readSource(sources, QStringLiteral("stars.txt"))));
    writeOutput(output, patternFileName(),
                patternLines(readSource(sources, QStringLiteral("patterns.txt"))));
    for (int n = 1; n <= kPalaceFileCount; ++n) {
        const QString name = QStringLiteral("palace_%1.txt").arg(n, 2, 10, QLatin1Char('0'));
        writeOutput(output, palaceFileName(n), palaceLines(readSource(sources, name), n));
    }
    for (int n = 1; n <= kCombinationFileCount; ++n) {
        const QString name = QStringLiteral("combos_%1.txt").arg(n, 2, 10, QLatin1Char('0'));
        writeOutput(output, combinationFileName(n), combinationLines(readSource(sources, name), n));
    }
    return 0;
}

}  // namespace
}  // namespace sorvik::texts

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: sorvik-make-texts <sources folder> <output folder>\n");
        return 2;
    }
    try {
        return sorvik::texts::run(args.at(1), args.at(2));
    } catch (const sorvik::texts::SourceError& e) {
        const QString where = QDir(args.at(1)).filePath(e.file) +
                              (e.line > 0 ? QStringLiteral(":%1").arg(e.line) : QString());
        std::fprintf(stderr, "%s: error: %s\n", qPrintable(where), e.message.toUtf8().constData());
    } catch (const sorvik::platform::FileError& e) {
        std::fprintf(stderr, "sorvik-make-texts: error: %s\n", e.what());
    }
    return 1;
}
