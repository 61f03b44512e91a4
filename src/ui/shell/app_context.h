#pragma once

#include <optional>

#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "platform/key_store.h"
#include "records/name_file.h"
#include "records/name_list.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "texts/live_texts.h"
#include "ui/common/window_requests.h"

namespace sorvik::ui {

// What every window of one run shares: the key store, the calendar table and the star names,
// the persons of the name list and its file, the two settings stores and the live star and
// pattern texts. The start-up makes it before the main window and keeps it until the main
// window and every window parented to it are gone, so the references they hold stay good.
// Members are declared in the order they depend on each other and so go in the reverse one.
class AppContext {
  public:
    // appDir ends with "/". Opens the key store and loads the calendar table and the star
    // names; the settings stores start at their defaults and are loaded where the start-up
    // makes their dialogs, the texts where it makes their editors. Throws platform::FileError
    // when the calendar table cannot be read.
    AppContext(QString appDir, const QString& keyStorePath);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const QString& appDir() const { return appDir_; }
    platform::KeyStore& keys() { return keys_; }
    const engine::CalendarTable& calendar() const { return calendar_; }
    // The calendar editor's: edits reach every later look-up of the run.
    engine::CalendarTable& editableCalendar() { return calendar_; }
    const engine::StarDisplayNames& starNames() const { return starNames_; }

    // The persons and the current name file: the one place that knows which file Save
    // writes and whether the list changed.
    records::NameList& nameList() { return nameList_; }
    records::NameFileSession& nameFiles() { return nameFiles_; }

    settings::ZiWeiSettings& ziWeiSettings() { return ziWei_; }
    settings::SystemSettings& systemSettings() { return system_; }

    // Reads the star and pattern texts; throws platform::FileError when a file cannot be read.
    texts::LiveTexts& readLiveTexts();
    // Null until they are read.
    texts::LiveTexts* liveTexts() { return liveTexts_ ? &*liveTexts_ : nullptr; }

    // The service that makes chart and luck windows; the main window's start-up gives it
    // before any window that asks for one is made.
    void setWindowRequests(WindowRequests& requests) { windowRequests_ = &requests; }
    WindowRequests& windowRequests() { return *windowRequests_; }

  private:
    QString appDir_;
    platform::KeyStore keys_;
    engine::CalendarTable calendar_;
    engine::StarDisplayNames starNames_;
    records::NameList nameList_;
    records::NameFileSession nameFiles_;
    settings::ZiWeiSettings ziWei_;
    settings::SystemSettings system_;
    std::optional<texts::LiveTexts> liveTexts_;
    WindowRequests* windowRequests_ = nullptr;
};

}  // namespace sorvik::ui
