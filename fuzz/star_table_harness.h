#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "engine/catalogue.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/text_file.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::fuzz {

// A program folder with both star tables whole; one of them is replaced by the input. A table
// that loads must then be readable in every cell: that is what the load's check promises.
class StarTableHarness {
  public:
    StarTableHarness() {
        writeTable(settings::kPowerFileName, settings::kPowerRows, "3");
        writeTable(settings::kBrightnessFileName, settings::kBrightnessRows, "2");
    }

    void run(const char* fileName, const std::uint8_t* data, std::size_t size) {
        QFile file(dir_.filePath(QString::fromLatin1(fileName)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            __builtin_trap();
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        file.close();

        settings::ZiWeiSettings s(dir_.path(), keys_, names_);
        try {
            s.startUp();
        } catch (const platform::DamagedFileError&) {
            return;
        }
        for (int star = 1; star <= engine::kStarCount; ++star) {
            for (const engine::Branch branch : engine::kBranches) {
                const int brightness = s.brightness(star, branch);
                if (brightness < 0 || brightness >= settings::kBrightnessCodes) {
                    __builtin_trap();
                }
                (void)s.power(star, branch);
            }
        }
    }

  private:
    void writeTable(const char* name, int rows, const char* value) {
        QStringList lines{QStringLiteral(",子,丑,寅,卯,辰,巳,午,未,申,酉,戌,亥,")};
        for (int row = 1; row < rows; ++row) {
            QString line = QStringLiteral("x,");
            for (int b = 0; b < 12; ++b) {
                line += QString::fromLatin1(value) + u',';
            }
            lines.append(line);
        }
        platform::writeSjisLines(dir_.filePath(QString::fromLatin1(name)), lines);
    }

    QTemporaryDir dir_;
    platform::KeyStore keys_{dir_.filePath(QStringLiteral("registry.ini"))};
    engine::StarDisplayNames names_ = engine::BuildStarDisplayNames("殺");
};

}  // namespace sorvik::fuzz
