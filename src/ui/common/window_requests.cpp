#include "window_requests.h"

#include "platform/prompts.h"
#include "records/birth_entry.h"
#include "records/date_texts.h"

namespace sorvik::ui {

bool WindowRequests::requestChart(const engine::BirthMoment& person) {
    return request(PersonWindow::Chart, person);
}

bool WindowRequests::requestLuck(const engine::BirthMoment& person) {
    return request(PersonWindow::Luck, person);
}

bool WindowRequests::request(PersonWindow kind, const engine::BirthMoment& person) {
    const QString name = QString::fromStdString(person.name);
    if (showOpen(kind, name)) {
        return true;
    }
    const std::optional<records::EntryRefusal> refusal =
        records::checkBirthEntry({name, true, QString::fromStdString(person.dateText),
                                  QString::fromStdString(person.timeText)},
                                 calendar());
    if (refusal) {
        // No field to put the focus into: the beep, and the reason in a box.
        platform::Prompts::beep();
        if (!refusal->message.isEmpty()) {
            platform::Prompts::information(refusal->message);
        }
        return false;
    }
    // What is stored and charted is the full spelling of the date and time.
    engine::BirthMoment spelled = person;
    spelled.dateText =
        records::normaliseDateText(QString::fromStdString(person.dateText)).toStdString();
    spelled.timeText =
        records::normaliseTimeText(QString::fromStdString(person.timeText)).toStdString();
    return make(kind, spelled);
}

}  // namespace sorvik::ui
