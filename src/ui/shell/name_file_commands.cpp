#include "name_file_commands.h"

#include "platform/prompts.h"
#include "records/name_file.h"

namespace sorvik::ui {

using platform::BoxStyle;
using platform::Prompts;

bool saveChangesFirst(records::NameFileSession& session) {
    if (!session.nameListModified()) {
        return true;
    }
    if (!Prompts::askYesNo(BoxStyle::Information,
                           QString::fromUtf16(records::kSaveChangesQuestion))) {
        return false;
    }
    session.SaveNameFile(session.currentNameFile());
    return true;
}

bool loadNameFile(records::NameFileSession& session, const QString& name) {
    if (!saveChangesFirst(session)) {
        return false;
    }
    if (const auto refusal = session.LoadNameFile(name)) {
        Prompts::beep();
        Prompts::information(refusal->message);
        return false;
    }
    if (const QString message = records::nameFileReadingMessage(name, session.unreadableRows(),
                                                                session.unknownSexRows());
        !message.isEmpty()) {
        Prompts::information(message);
    }
    return true;
}

bool newNameFile(records::NameFileSession& session) {
    if (!saveChangesFirst(session)) {
        return false;
    }
    session.newFile();
    return true;
}

bool addPerson(records::NameFileSession& session, const QString& name, const QString& sex,
               const QString& date, const QString& time) {
    for (int i = session.replaceQuestions(name, sex, date, time); i > 0; --i) {
        if (!Prompts::askYesNo(BoxStyle::Information,
                               QString::fromUtf16(records::kReplacePersonQuestion))) {
            return false;
        }
    }
    session.AddPerson(name, sex, date, time);
    return true;
}

}  // namespace sorvik::ui
