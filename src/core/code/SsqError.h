#pragma once

#include <QString>
#include <stdexcept>

// The one exception type of the program. Argument and index errors of the input
// controls and internal consistency errors ("SpecNumInterOfCodeArr Error!!") are
// raised with it; the text is exactly the one the user sees in the error box.
class SsqError : public std::runtime_error
{
public:
    explicit SsqError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}

    const QString &text() const noexcept { return m_text; }

private:
    QString m_text;
};
