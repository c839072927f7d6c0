#include "FormIngot.h"

#include "CaptionFont.h"
#include "ControlTable.h"
#include "Credits.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QColor headingColour(0xFF, 0xC0, 0x80);

QWidget *createControl(const ControlEntry &entry, QWidget *parent)
{
    const QString text = QString::fromUtf8(entry.text);
    QWidget *control = nullptr;
    switch (entry.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, parent);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, headingColour);
        label->setPalette(palette);
        control = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, parent);
        box->setMaxLength(std::numeric_limits<int>::max()); // Qt's default stops at 32767
        control = box;
        break;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        control = button;
        break;
    }
    }
    control->setObjectName(QString::fromUtf8(entry.name));
    control->setGeometry(toPixels(entry.twips));
    if (entry.toolTip)
        control->setToolTip(QString::fromUtf8(entry.toolTip));
    return control;
}

} // namespace

FormIngot::FormIngot(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(u"Tallwick"_s);
    createControls();
    connectButtons();

    // Placing the client area, not the frame, before the first show also tells the window
    // manager that the position is the program's own choice.
    const QSize clientSize = toPixels(QRect(QPoint(), clientTwips)).size();
    setFixedSize(clientSize);
    setGeometry(QRect(toPixels(QRect(clientOriginTwips, QSize())).topLeft(), clientSize));

    setFont(captionFont(font(), findChildren<QWidget *>(Qt::FindDirectChildrenOnly)));
    fieldBox(Field::GPIngot)->setFocus();
}

FormIngot::~FormIngot() = default;

template <typename T> T *FormIngot::control(const char *name) const
{
    return findChild<T *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

QLineEdit *FormIngot::fieldBox(Field field) const
{
    return m_fieldBoxes[static_cast<std::size_t>(field)];
}

void FormIngot::createControls()
{
    std::array<QWidget *, controlTable.size()> byTabIndex{};
    for (const ControlEntry &entry : controlTable)
        byTabIndex[static_cast<std::size_t>(entry.tabIndex)] = createControl(entry, this);

    for (const ControlEntry &entry : controlTable) {
        if (entry.buddy)
            control<QLabel>(entry.name)->setBuddy(control<QWidget>(entry.buddy));
    }

    QWidget *previous = nullptr;
    for (QWidget *next : byTabIndex) {
        if (next->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    m_fieldBoxes = {control<QLineEdit>("GPIngot"), control<QLineEdit>("AnzIngots"),
                    control<QLineEdit>("KostenAusgabe"), control<QLineEdit>("gkosten")};
}

void FormIngot::connectButtons()
{
    connect(control<QPushButton>("Berechnen"), &QPushButton::clicked, this,
            [this] { m_kosten.Berechnen_Click(); });
    connect(control<QPushButton>("add"), &QPushButton::clicked, this,
            [this] { m_kosten.add_Click(); });
    connect(control<QPushButton>("clear"), &QPushButton::clicked, this,
            [this] { m_kosten.clear_Click(); });
    connect(control<QPushButton>("About"), &QPushButton::clicked, this, &FormIngot::About_Click);
}

void FormIngot::About_Click()
{
    showMessage({u"Written by "_s + QString::fromUtf8(Credits::authorEmail) + u" -- "_s
                     + QString::fromUtf8(Credits::website),
                 u"Version "_s + QString::fromUtf8(Credits::version),
                 MessageRequest::Style::Information});
}

QString FormIngot::text(Field field) const
{
    return fieldBox(field)->text();
}

void FormIngot::setText(Field field, const QString &text)
{
    fieldBox(field)->setText(text);
}

void FormIngot::showMessage(const MessageRequest &request)
{
    const QMessageBox::Icon icon = request.style == MessageRequest::Style::Information
                                       ? QMessageBox::Information
                                       : QMessageBox::NoIcon;
    QMessageBox box(icon, request.title, request.prompt, QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
