// A recording host: every property read and write, method and platform call
// the program makes lands in one log, in order, as a line of text.
//
//   "Form1.AutoRedraw=True"    a property write
//   "Form1.Left?"              a property read
//   "Form1.Move(3150,1425)"    a method call
//   "RoundRect(2,1,1,639,479,20,20)"   a platform call
//
// Colours are written &H followed by upper-case hex, other numbers as C++
// streams print them.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/host.h"

namespace fake {

using Log = std::vector<std::string>;

std::string Hex(host::Color color);
std::string Number(double value);

class Extent : public host::Extent {
 public:
  Extent(Log& log, std::string name, float left, float top, float width, float height);
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;

  float left, top, width, height;

 protected:
  Log& log_;
  std::string name_;
};

class Label : public host::Label {
 public:
  Label(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  float Left() const override { return 0; }
  float Top() const override { return 0; }
  float Width() const override { return 0; }
  float Height() const override { return 0; }
  std::string Caption() const override;
  void setCaption(std::string_view text) override;

  std::string caption;
  bool failOnCaption = false;  // setCaption raises a run-time error

 private:
  Log& log_;
  std::string name_;
};

class PictureBox : public host::PictureBox {
 public:
  PictureBox(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  float Left() const override { return 0; }
  float Top() const override { return 0; }
  float Width() const override { return 0; }
  float Height() const override { return 0; }
  bool Visible() const override { return visible; }
  void setVisible(bool on) override;

  bool visible = false;
  bool failOnShow = false;  // setVisible(true) raises a run-time error

 private:
  Log& log_;
  std::string name_;
};

// Folders are listed from `folders`: a folder text not in it cannot be
// listed. The text is taken as given; the real host reads it as a path.
class FileListBox : public host::FileListBox {
 public:
  FileListBox(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  float Left() const override { return 0; }
  float Top() const override { return 0; }
  float Width() const override { return 0; }
  float Height() const override { return 0; }
  std::string Path() const override;
  void setPath(std::string_view folder) override;
  std::string FileName() const override;

  std::map<std::string, std::vector<std::string>> folders;
  std::string path;
  std::vector<std::string> entries;
  std::string selected;

 private:
  Log& log_;
  std::string name_;
};

class Window : public host::Form {
 public:
  Window(Log& log, std::string name = "Form1");

  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  int32_t hWnd() const override;
  int32_t hdc() const override;
  bool AutoRedraw() const override;
  void setAutoRedraw(bool on) override;
  int16_t DrawWidth() const override;
  void setDrawWidth(int16_t pixels) override;
  host::Color ForeColor() const override;
  void setForeColor(host::Color color) override;
  int16_t Scalemode() const override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void Move(float newLeft, float newTop) override;
  void setMousePointer(int32_t pointer) override;
  void LineBox(float x1, float y1, float x2, float y2, host::Color color) override;
  void Refresh() override;

  host::Label& label(std::string_view name, std::optional<int16_t> index) override;
  host::PictureBox& pictureBox(std::string_view name) override;
  host::FileListBox& fileListBox(std::string_view name) override;

  // The window's state, readable and settable by the tests.
  float left = 3000, top = 1500, width = 9600, height = 7200;
  int32_t handle = 1, dc = 2;
  bool autoRedraw = false;
  int16_t drawWidth = 1;
  host::Color foreColor = static_cast<host::Color>(0x80000012);
  int16_t scaleMode = host::scale::kTwips;
  float scaleWidth = 9600, scaleHeight = 7200;
  int32_t mousePointer = 0;

  // The media list panel's controls.
  PictureBox frameList;
  Label label1;
  FileListBox list1;

 private:
  Log& log_;
  std::string name_;
};

// The application's services and platform calls, recorded.
class Runtime : public host::Runtime {
 public:
  explicit Runtime(Log& log);
  ~Runtime();

  bool GetClientRect(int32_t hWnd, host::Rect& rect) override;
  int32_t CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t ellipseWidth, int32_t ellipseHeight) override;
  int32_t SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) override;
  bool DeleteObject(int32_t handle) override;
  bool RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t ellipseWidth, int32_t ellipseHeight) override;
  bool GradientFill(int32_t hdc, const host::TriVertex* vertices, uint32_t vertexCount,
                    const host::GradientRect* mesh, uint32_t meshCount, uint32_t mode) override;
  intptr_t ShellExecute(int32_t ownerWindow, std::string_view operation, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int32_t showCommand) override;
  std::string AppPath() const override;
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
  void MsgBox(std::string_view text) override;
  void End() override;

  std::string appPath = "/disc";
  float twipsPerPixelX = 15, twipsPerPixelY = 15;
  host::Rect clientRect{0, 0, 640, 480};
  int32_t nextRegion = 100;
  std::vector<host::TriVertex> lastVertices;  // of the last GradientFill

 private:
  Log& log_;
};

}  // namespace fake
