#include "app_context.h"

#include "records/calendar_file.h"
#include "ui/settings/gaiji_dialog.h"

namespace sorvik::ui {

AppContext::AppContext(QString appDir, const QString& keyStorePath)
    : appDir_(std::move(appDir)),
      keys_(keyStorePath),
      calendar_(records::LoadCalendar(appDir_)),
      starNames_(engine::BuildStarDisplayNames(SpecialChar(keys_).toStdString())),
      nameFiles_(nameList_, appDir_),
      ziWei_(appDir_, keys_, starNames_),
      system_(appDir_, keys_, starNames_) {}

texts::LiveTexts& AppContext::readLiveTexts() {
    return liveTexts_.emplace(texts::readLiveTexts(appDir_));
}

}  // namespace sorvik::ui
