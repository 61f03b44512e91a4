#pragma once

#include <QString>

namespace sorvik::records {
class NameFileSession;
}

namespace sorvik::ui {

// The name file commands as the user meets them: the session does the work, these ask its
// questions and show its refusals. Each returns false when the command did not happen; file
// errors pass to the caller's error boundary.

// The question before a changed list is dropped: Yes saves it first, No keeps it (false).
bool saveChangesFirst(records::NameFileSession& session);
bool loadNameFile(records::NameFileSession& session, const QString& name);
bool newNameFile(records::NameFileSession& session);
// False when the user refuses to replace a person of the same name; nothing changed then.
bool addPerson(records::NameFileSession& session, const QString& name, const QString& sex,
               const QString& date, const QString& time);

}  // namespace sorvik::ui
