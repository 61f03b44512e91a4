#pragma once

namespace sorvik::texts {
struct LiveTexts;
}

namespace sorvik::ui {

class AppContext;
class TDSetuF;
class THSetuF;
class TKSetuF;
class TMainF;
class TSListF;
class TSSetuF;

struct DescriptionEditors {
    THSetuF* palaces = nullptr;
    TDSetuF* combinations = nullptr;
    TKSetuF* patterns = nullptr;
    TSSetuF* stars = nullptr;
    TSListF* list = nullptr;
};

// The four description editors and their list, made once, opened modally from their menu
// items. The star and pattern editors edit the live texts in place.
DescriptionEditors attachDescriptionEditors(TMainF& mainWindow, AppContext& context,
                                            texts::LiveTexts& texts);

// "星曜一覧表(&Y)" opens a new star list over the live star texts each time.
void attachStarList(TMainF& mainWindow, AppContext& context, const texts::LiveTexts& texts);

}  // namespace sorvik::ui
