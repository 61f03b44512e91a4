#pragma once

#include <QString>

// A text of several lines is kept on one line of a text file: each line break is stored as the
// two characters "/r". The text is a QString, so a match always starts on a whole character and
// the second byte of a double-byte character can never be taken for "/" or "r".
namespace sorvik::texts {

// Every line break becomes "/r". Besides CR LF this folds a lone CR or LF too (an editor hands
// texts with bare LF): left raw they would split the record over two lines of the file.
QString encodeLineBreaks(const QString& text);

// Every "/r" becomes CR LF, also one the user typed as text.
QString decodeLineBreaks(const QString& line);

// A star line holds the nature, "/t" and the description, both still encoded.
struct StarLine {
    QString nature;
    QString description;
};

// Splits at the first "/t"; a later "/t" belongs to the description. A line without "/t" is
// the nature alone.
StarLine splitStarLine(const QString& line);
QString joinStarLine(const QString& nature, const QString& description);

}  // namespace sorvik::texts
