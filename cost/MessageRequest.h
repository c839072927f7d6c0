#pragma once

#include <QString>

// One modal message box that the cost sheet wants shown: what it says, its title, and
// whether it carries the information icon. Every box has a single OK button.
struct MessageRequest {
    enum class Style { Plain, Information };

    QString prompt;
    QString title;
    Style style = Style::Plain;

    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};
