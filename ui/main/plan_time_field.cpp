#include "ui/main/plan_time_field.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace horavia {

PlanTimeField::PlanTimeField(QWidget* parent, const QString& label, const QString& start)
    : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    //: The title of the field in which a time is typed for one clock; %1 the clock's label.
    setWindowTitle(tr("Plan for \u2026 in %1").arg(label));
    auto* layout = new QVBoxLayout(this);
    //: %1 a clock's label; the field below takes a time, or a date and time, on that clock.
    auto* prompt = new QLabel(tr("&Time in %1:").arg(label), this);
    edit_ = new QLineEdit(start, this);
    prompt->setBuddy(edit_);
    refusal_ = new QLabel(this);
    refusal_->setWordWrap(true);
    refusal_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlanTimeField::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlanTimeField::reject);
    // A text changed after a refusal is a new try: the old reason no longer applies to it.
    connect(edit_, &QLineEdit::textEdited, refusal_, &QLabel::hide);
    layout->addWidget(prompt);
    layout->addWidget(edit_);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);
    // Room for a date and a time, and for a reason to wrap onto a few lines below them.
    setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    edit_->setFocus();
    edit_->deselect();
    edit_->setCursorPosition(static_cast<int>(start.size()));
}

QString PlanTimeField::text() const {
    return edit_->text();
}

void PlanTimeField::setText(const QString& text) {
    edit_->setText(text);
}

void PlanTimeField::refuse(const QString& why) {
    refusal_->setText(why);
    refusal_->show();
    adjustSize();  // the reason's lines fit below the field
    edit_->setFocus();
    edit_->selectAll();
}

QString PlanTimeField::refusal() const {
    return refusal_->isHidden() ? QString() : refusal_->text();
}

void PlanTimeField::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    if (opening && refusal_->isHidden()) {
        edit_->deselect();
        edit_->end(false);
    }
}

void PlanTimeField::accept() {
    emit submitted(edit_->text());
}

}  // namespace horavia
