// The window's controls as the program reaches them, the same under every
// host: their places come from the layout, and the host only shows them.
#pragma once

#include <string>
#include <vector>

#include "host/host.h"

namespace host {

class FormCore;

// What every control is: a numbered place in its window's layout.
class SharedControl {
 public:
  SharedControl(FormCore& form, int control) : form_(form), control_(control) {}
  virtual ~SharedControl() = default;
  SharedControl(const SharedControl&) = delete;
  SharedControl& operator=(const SharedControl&) = delete;

 protected:
  float PlaceLeft() const;
  float PlaceTop() const;
  float PlaceWidth() const;
  float PlaceHeight() const;

  FormCore& form_;
  const int control_;
};

// A control of the program's kind, its place read from the layout.
template <typename Interface>
class Placed : public SharedControl, public Interface {
 public:
  using SharedControl::SharedControl;
  float Left() const override { return PlaceLeft(); }
  float Top() const override { return PlaceTop(); }
  float Width() const override { return PlaceWidth(); }
  float Height() const override { return PlaceHeight(); }
};

// A label: a hot area, a title strip or a close mark; its host paints it.
class LabelControl final : public Placed<Label> {
 public:
  LabelControl(FormCore& form, int control);
  std::string Caption() const override { return caption_; }
  void setCaption(std::string_view text) override;

 private:
  std::string caption_;
};

// A picture box holding other controls; hidden, it hides them all.
class PictureBoxControl final : public Placed<PictureBox> {
 public:
  using Placed::Placed;
  bool Visible() const override;
  void setVisible(bool visible) override;
};

// The file list box: the files of one folder, in the shared order; the
// host's list widget shows them and keeps the selection.
class FileListControl final : public Placed<FileListBox> {
 public:
  using Placed::Placed;
  std::string Path() const override { return path_; }
  void setPath(std::string_view folder) override;
  std::string FileName() const override;

  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::string path_;
  std::vector<std::string> entries_;
};

}  // namespace host
