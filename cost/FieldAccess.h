#pragma once

#include "MessageRequest.h"

#include <QString>

// The four text boxes the cost sheet works on, named after the boxes themselves.
enum class Field { GPIngot, AnzIngots, KostenAusgabe, gkosten };

// What the cost sheet needs from whoever owns it: the texts of the four fields and a way to
// show a message. The window implements it over its text boxes; tests implement it over
// four plain strings.
class FieldAccess {
public:
    virtual ~FieldAccess() = default;

    virtual QString text(Field field) const = 0;
    // Replaces the field's whole text at once.
    virtual void setText(Field field, const QString &text) = 0;
    // Returns only once the user has dismissed the message.
    virtual void showMessage(const MessageRequest &request) = 0;
};
