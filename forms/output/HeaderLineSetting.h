#pragma once
// The header line of the printouts: one for the run, read from the settings
// store at start-up, changed by the header line dialog, read by the printouts.

#include <QObject>
#include <QString>

#include <optional>

namespace fluvara {

class THeaderLine : public QObject {
    Q_OBJECT
public:
    explicit THeaderLine(const QString& text = QString(), QObject* parent = nullptr);

    const QString& Text() const { return text_; }
    // Applies the stored value to the present line by the store's reading rule.
    void Load();
    // Cuts the text to what the header line holds, stores it and takes it
    // over, for this run even when the store fails; then returns the message
    // for the user.
    std::optional<QString> Store(const QString& text);

signals:
    void Changed(const QString& text);

private:
    void Take(const QString& text);

    QString text_;
};

}  // namespace fluvara
