#include "shell/qt/frame_status_bar.h"

#include <QLabel>

namespace orrery {

FrameStatusBar::FrameStatusBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        label->setObjectName(QStringLiteral("statusPart%1").arg(i));
        parts_.push_back(label);
    }
    showTexts({"", ""});
}

void FrameStatusBar::showTexts(const std::vector<std::string>& texts) {
    used_ = std::min(texts.size(), parts_.size());
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        parts_[i]->setVisible(i < used_);
        parts_[i]->setText(i < used_ ? QString::fromStdString(texts[i]) : QString());
    }
    placeParts();
}

std::vector<std::string> FrameStatusBar::texts() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < used_; ++i) out.push_back(parts_[i]->text().toStdString());
    return out;
}

void FrameStatusBar::resizeEvent(QResizeEvent*) { placeParts(); }

void FrameStatusBar::placeParts() {
    const int w = width();
    std::vector<int> ends;
    if (used_ == 3)
        ends = {w / 8, w / 4, w};
    else if (used_ == 2)
        ends = {w / 2, w};
    else if (used_ == 1)
        ends = {w};
    int left = 0;
    for (std::size_t i = 0; i < used_; ++i) {
        parts_[i]->setGeometry(left, 0, ends[i] - left, height());
        left = ends[i];
    }
}

}  // namespace orrery
