#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace sorvik::platform {

// One copy of the program per user. The first copy listens under the name; a second start
// finds it there, asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The name for the program: its own name, made per user.
    static QString programName();

    // True when this is the only copy (it now listens); false after a running copy has been
    // told to come to the front, and to open nameFile when one is given.
    bool claim(const QString& nameFile = {});

  signals:
    void activationRequested();
    // A second start was given this name file (an absolute path).
    void openRequested(const QString& nameFile);

  private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace sorvik::platform
