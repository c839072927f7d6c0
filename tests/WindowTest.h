#pragma once

#include "FormIngot.h"

#include <QObject>
#include <QString>
#include <QTest>

#include <memory>

// Base of the test classes that open the window: a fresh window for each test function,
// shown and active, and its controls by name.
class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<FormIngot>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

protected:
    // A control missing from the window ends the test run: every test after it would fail.
    template <typename T> T *control(const QString &name) const
    {
        auto *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<FormIngot> m_window;
};
