#include "live_texts.h"

#include "text_files.h"

namespace sorvik::texts {

LiveTexts readLiveTexts(const QString& folder) {
    return {readStarLines(folder), readPatternLines(folder)};
}

}  // namespace sorvik::texts
