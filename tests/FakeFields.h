#pragma once

#include "FieldAccess.h"

#include <QList>
#include <QStringList>

#include <array>

// Four strings standing in for the window's text boxes, starting as the window does, and a
// record of every message the cost sheet asked for.
class FakeFields final : public FieldAccess {
public:
    QString text(Field field) const override { return m_texts[index(field)]; }
    void setText(Field field, const QString &text) override { m_texts[index(field)] = text; }
    void showMessage(const MessageRequest &request) override { messages.append(request); }

    // The four texts in the order GPIngot, AnzIngots, KostenAusgabe, gkosten.
    QStringList texts() const { return {m_texts.begin(), m_texts.end()}; }

    QList<MessageRequest> messages;

private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }

    std::array<QString, 4> m_texts{QString(), QString(), QStringLiteral("0 GP"),
                                   QStringLiteral("0")};
};
