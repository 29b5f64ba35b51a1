#include "host/controls.h"

#include "host/file_listing.h"
#include "host/form_core.h"
#include "host/paths.h"

namespace host {

float SharedControl::PlaceLeft() const { return form_.layout().Left(control_); }
float SharedControl::PlaceTop() const { return form_.layout().Top(control_); }
float SharedControl::PlaceWidth() const { return form_.layout().Width(control_); }
float SharedControl::PlaceHeight() const { return form_.layout().Height(control_); }

LabelControl::LabelControl(FormCore& form, int control)
    : Placed(form, control), caption_(form.layout().design(control).caption) {}

void LabelControl::setCaption(std::string_view text) {
  caption_ = text;
  form_.native().RepaintControl(control_);
}

bool PictureBoxControl::Visible() const { return form_.layout()[control_].visible; }

void PictureBoxControl::setVisible(bool visible) {
  form_.layout().setVisible(control_, visible);
  form_.native().ShowControl(control_, visible);
  form_.input().ContainerShown(control_, visible);
}

void FileListControl::setPath(std::string_view folder) {
  // Copies of discs often change the case of names; Windows would not mind.
  const std::string native = FindOnDisc(folder);
  std::vector<std::string> files = ListedFiles(ReadFolder(native));
  entries_ = std::move(files);
  path_ = ShownPath(native);  // as the program joins it
  form_.native().ShowRows(control_, entries_);
}

// The name as the program may join it; the list shows it as it is.
std::string FileListControl::FileName() const {
  const int selected = form_.native().SelectedRow(control_);
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) return {};
  return ShownPath(entries_[static_cast<size_t>(selected)]);
}

}  // namespace host
