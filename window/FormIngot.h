#pragma once

#include "FieldAccess.h"
#include "IngotKosten.h"

#include <QWidget>

#include <array>

class QLineEdit;

// The program's one window: twelve controls at fixed places, laid out from ControlTable.
// It owns the cost sheet and hands it the four text boxes; a click on Calculate, Add or Reset
// is one call on the sheet. It parses no number and decides nothing about costs itself.
class FormIngot final : public QWidget, private FieldAccess {
    Q_OBJECT

public:
    explicit FormIngot(QWidget *parent = nullptr);
    ~FormIngot() override;

private:
    void createControls();
    void connectButtons();
    void About_Click();

    template <typename T> T *control(const char *name) const;
    QLineEdit *fieldBox(Field field) const;

    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    void showMessage(const MessageRequest &request) override;

    std::array<QLineEdit *, 4> m_fieldBoxes{}; // in the order of Field
    IngotKosten m_kosten{*this};
};
