#include "host/form_core.h"

#include "host/messages.h"
#include "host/window_pictures.h"

namespace host {

namespace {

std::unique_ptr<SharedControl> Make(FormCore& form, int control) {
  switch (form.layout().design(control).type) {
    case ControlType::Label:
      return std::make_unique<LabelControl>(form, control);
    case ControlType::PictureBox:
      return std::make_unique<PictureBoxControl>(form, control);
    case ControlType::FileListBox:
      return std::make_unique<FileListControl>(form, control);
  }
  return nullptr;
}

}  // namespace

FormCore::FormCore(const FormDesign& design, NativeWindow& native, DisplayScale scale)
    : design_(design),
      native_(native),
      layout_(design_),
      canvas_(PixelsOf(design.clientWidth), PixelsOf(design.clientHeight), kPlaceholderFace,
              scale) {
  DrawBackground(design_, canvas_);
  for (int control = 0; control < layout_.size(); ++control)
    controls_.push_back(Make(*this, control));
}

FormCore::~FormCore() = default;

void FormCore::LineBox(float x1, float y1, float x2, float y2, Color color) {
  canvas_.LineBox(x1, y1, x2, y2, color);
  native_.ShowImage();
}

void FormCore::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  canvas_.RoundRect(l, t, r, b, ew, eh);
  native_.ShowImage();
}

void FormCore::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  canvas_.GradientFill(from, to, vertical);
  native_.ShowImage();
}

void FormCore::SetShape(const RoundShape& shape) {
  shape_ = shape;
  native_.ShowShape(shape);
}

void FormCore::Refresh() {
  canvas_.Repaint();
  native_.ShowImage();
}

template <typename Control>
Control& FormCore::Named(std::string_view name, std::optional<int16_t> index) {
  if (auto* control = dynamic_cast<Control*>(controls_[layout_.Named(name, index)].get()))
    return *control;
  throw RuntimeError(err::kInvalidProperty, NoControlText(name));
}

Label& FormCore::label(std::string_view name, std::optional<int16_t> index) {
  return Named<LabelControl>(name, index);
}

PictureBox& FormCore::pictureBox(std::string_view name) {
  return Named<PictureBoxControl>(name, std::nullopt);
}

FileListBox& FormCore::fileListBox(std::string_view name) {
  return Named<FileListControl>(name, std::nullopt);
}

std::string FormCore::Caption(int control) const {
  const auto* label = dynamic_cast<const LabelControl*>(controls_[control].get());
  return label ? label->Caption() : std::string();
}

const std::vector<std::string>& FormCore::Rows(int control) const {
  static const std::vector<std::string> kNone;
  const auto* list = dynamic_cast<const FileListControl*>(controls_[control].get());
  return list ? list->entries() : kNone;
}

}  // namespace host
