#pragma once

// Qt
#include <QString>

// std
#include <stdexcept>

// An error that stops the running handler and is shown to the player in a
// message box. The message names what failed (the file, the text).
class GameError : public std::runtime_error {
  public:
    explicit GameError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

  private:
    QString m_message;
};
