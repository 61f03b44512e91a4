#include "platform/key_store_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/program_key.h"

namespace sorvik::platform {
namespace {

void importFile(KeyStore& keys, const QString& file) {
    mergeKeyStore(keys, parseKeyStoreText(readWholeFile(file), "TQLX4.reg"));
}

struct TextValue {
    QString key;
    QString name;
    QString value;
};

// Values that a plain text layout could lose: quotes, backslashes, line breaks, Japanese,
// leading blanks, an empty text, and a key below a subkey.
const TextValue kTexts[] = {
    {programKey(), "Dir", "/home/user/sorvik/"},
    {programKey(), "Ver", "2690"},
    {programKey("Sys"), "DefNameFile", "名前 \"Default\".nam"},
    {programKey("Sys"), "Path", "C:\\BackUp\\"},
    {programKey("USys"), "SG0", "  1,2.5,,\r\n次の行/r,"},
    {programKey("USys"), "Empty", ""},
    {programKey("Tool"), "SG1", "電卓,calc.exe,,,"},
    {programKey("Recent\\Deeper"), "File1", "=[x]\t"},
};

QByteArray placement() {
    QByteArray bytes;
    for (int i = 0; i < 44; ++i) {
        bytes.append(static_cast<char>(i * 37 % 256));
    }
    return bytes;
}

TEST(KeyStoreFile, TheProgramsKeyComesBackExactly) {
    QTemporaryDir dir;
    KeyStore source(dir.filePath("source.ini"));
    for (const TextValue& v : kTexts) {
        source.writeText(v.key, v.name, v.value);
    }
    source.writeBinary(programKey(), "MainFWinPlace1", placement());
    source.writeBinary(programKey("Sys"), "Nothing", QByteArray());
    source.writeText(makerKey(), "80", "http://elsewhere");  // not the program's
    const QString file = dir.filePath("TQLX4.reg");
    exportKeyStore(source, file);

    const QString text = QString::fromUtf8(readWholeFile(file));
    EXPECT_TRUE(
        text.startsWith("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmora\\TQLX4]\r\n"));
    EXPECT_TRUE(text.contains("\"DefNameFile\"=\"名前 \\\"Default\\\".nam\"\r\n"));
    EXPECT_TRUE(text.contains("\"MainFWinPlace1\"=hex:00,25,4a,"));
    EXPECT_FALSE(text.contains("elsewhere"));

    KeyStore target(dir.filePath("target.ini"));
    target.writeText(programKey("Sys"), "StsBar", "0");  // a value the file does not name
    importFile(target, file);
    for (const TextValue& v : kTexts) {
        EXPECT_EQ(target.readText(v.key, v.name, "missing"), v.value) << v.name.toStdString();
        EXPECT_FALSE(target.isBinary(v.key, v.name));
    }
    EXPECT_TRUE(target.isBinary(programKey(), "MainFWinPlace1"));
    EXPECT_EQ(target.readBinary(programKey(), "MainFWinPlace1"), placement());
    EXPECT_TRUE(target.hasValue(programKey("Sys"), "Nothing"));
    EXPECT_EQ(target.readText(programKey("Sys"), "StsBar"), "0");
    EXPECT_FALSE(target.hasValue(makerKey(), "80"));
    // The store was written to its file as well.
    EXPECT_EQ(KeyStore(dir.filePath("target.ini")).readText(programKey(), "Ver"), "2690");
    // And exported again it reads the same.
    EXPECT_EQ(keyStoreText(target).count("\r\n"), text.count("\r\n") + 1);
}

TEST(KeyStoreFile, ADamagedFileMergesNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("TQLX4.reg");
    writeFileAtomically(file,
                        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmora\\TQLX4]\r\n"
                        "\"Ver\"=\"9999\"\r\n\"Broken\"=\"no end\r\n");
    KeyStore keys(dir.filePath("keys.ini"));
    keys.writeText(programKey(), "Ver", "2690");
    try {
        importFile(keys, file);
        FAIL() << "no error";
    } catch (const DamagedFileError& error) {
        EXPECT_EQ(error.message(), "『TQLX4.reg』の5行目が読み込めません。");
    }
    EXPECT_EQ(keys.readText(programKey(), "Ver"), "2690");
}

TEST(KeyStoreFile, KeysOutsideTheProgramsAreNotTaken) {
    QTemporaryDir dir;
    const QString file = dir.filePath("TQLX4.reg");
    writeFileAtomically(file,
                        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"A\"=\"1\"\r\n"
                        "[HKEY_CURRENT_USER\\Software\\Velmora\\TQLX4Evil]\r\n\"B\"=\"2\"\r\n"
                        "[HKEY_CURRENT_USER\\Software\\Velmora\\TQLX4\\Back]\r\n\"CG1\"=\"1\"\r\n");
    KeyStore keys(dir.filePath("keys.ini"));
    importFile(keys, file);
    EXPECT_FALSE(keys.hasValue("Software\\Other", "A"));
    EXPECT_FALSE(keys.hasValue("Software\\Velmora\\TQLX4Evil", "B"));
    EXPECT_EQ(keys.readText(programKey("Back"), "CG1"), "1");
}

}  // namespace
}  // namespace sorvik::platform
