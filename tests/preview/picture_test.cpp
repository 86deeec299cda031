// The preview's drawing pieces in this process: the picture loader, the image
// element and the persistent drawing, checked pixel by pixel.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/image.h"
#include "forms/persistent_drawing.h"
#include "forms/picture.h"
#include "preview/pixels.h"
#include "support/saver_folder.h"
#include "preview/preview_resource.h"
#include "support/temp_folder.h"

namespace {

// OLE's loader and WIC may round differently; the two decoders of one file
// stay within this of each other in every channel.
constexpr int kJpegTolerance = 12;

const std::string& PictureFile() {
  static const std::string bytes = test::ReadFile(test::BuiltFile(KOVARO_PREVIEW_PICTURE_UNIX_PATH));
  return bytes;
}

const test::Pixels& Expected() {
  static const test::Pixels pixels = test::DecodeWithWic(PictureFile());
  return pixels;
}

void FillBlack(HDC dc, int width, int height) {
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

TEST(Picture, DecodesFileAndResourceAlike) {
  ASSERT_EQ(Expected().width, 152);
  ASSERT_EQ(Expected().height, 112);
  const struct {
    const char* source;
    forms::Picture picture;
  } cases[] = {
      /* 0 */ {"file bytes", forms::Picture::FromBytes(PictureFile())},
      /* 1 */ {"resource", forms::Picture::FromResource(forms::AppInstance(), KOVARO_PREVIEW_PICTURE)},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const forms::Picture& picture = cases[i].picture;
    ASSERT_FALSE(picture.IsEmpty()) << "row " << i << " " << cases[i].source;
    EXPECT_EQ(picture.Size().cx, 152) << "row " << i;
    EXPECT_EQ(picture.Size().cy, 112) << "row " << i;
    forms::MemoryDC dc;
    forms::SelectedObject selected(dc.get(), picture.Bitmap());
    const test::Pixels shown =
        test::Capture(152, 112, [&](HDC target) { BitBlt(target, 0, 0, 152, 112, dc.get(), 0, 0, SRCCOPY); });
    EXPECT_EQ(test::DifferenceFromPicture(shown, Expected(), kJpegTolerance), "") << "row " << i;
  }
}

TEST(Picture, WhatCannotBeReadIsEmpty) {
  const forms::Picture cases[] = {
      /* 0 */ forms::Picture::FromBytes(""),
      /* 1 */ forms::Picture::FromBytes("kumquat, not a picture"),
      /* 2 */ forms::Picture::FromBytes(PictureFile().substr(0, 20)),
      /* 3 */ forms::Picture::FromResource(forms::AppInstance(), 9999),
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_TRUE(cases[i].IsEmpty()) << "row " << i;
    EXPECT_EQ(cases[i].Size().cx, 0) << "row " << i;
  }
}

TEST(Image, DrawsThePictureAtItsOwnSizeCutToTheElement) {
  const struct {
    int width, height;
  } cases[] = {
      /* 0 */ {152, 112},
      /* 1 */ {100, 80},
      /* 2 */ {300, 200},
      /* 3 */ {152, 40},
      /* 4 */ {0, 0},
  };
  ASSERT_EQ(Expected().width, 152);
  ASSERT_EQ(Expected().height, 112);
  forms::Image image(forms::Picture::FromBytes(PictureFile()));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto [width, height] = cases[i];
    image.Move(0, 0, width, height);
    const test::Pixels shown = test::Capture(320, 240, [&](HDC dc) {
      FillBlack(dc, 320, 240);
      image.Draw(dc);
    });
    // What the element should show: the picture's top-left part, black around.
    test::Pixels cut{std::min(width, 152), std::min(height, 112), {}};
    for (int y = 0; y < cut.height; ++y) {
      for (int x = 0; x < cut.width; ++x) cut.bgr.push_back(Expected().at(x, y));
    }
    EXPECT_EQ(test::DifferenceFromPicture(shown, cut, kJpegTolerance), "") << "row " << i;
  }
}

TEST(PersistentDrawing, KeepsWhatWasDrawnWhenTheWindowGrows) {
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const COLORREF back = RGB(0, 0, 200);
  forms::PersistentDrawing drawing(back);
  drawing.Fit(window);
  ASSERT_EQ(drawing.Size().cx, 40);
  const RECT spot{5, 5, 15, 10};
  forms::OwnedObject<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
  FillRect(drawing.dc(), &spot, red.get());

  MoveWindow(window, 0, 0, 60, 50, FALSE);
  drawing.Fit(window);
  EXPECT_EQ(drawing.Size().cx, 60);
  EXPECT_EQ(drawing.Size().cy, 50);
  const test::Pixels shown = test::Capture(70, 55, [&](HDC dc) { drawing.Paint(dc); });
  const struct {
    int x, y;
    std::uint32_t expected;
  } points[] = {
      /* 0 */ {5, 5, 0xFF0000},   // drawn before the window grew
      /* 1 */ {14, 9, 0xFF0000},
      /* 2 */ {4, 4, 0x0000C8},   // back colour, old part
      /* 3 */ {50, 40, 0x0000C8}, // back colour, new part
      /* 4 */ {59, 49, 0x0000C8},
      /* 5 */ {60, 49, 0xCCCCCC}, // beyond the drawing: not painted
      /* 6 */ {10, 50, 0xCCCCCC},
  };
  for (std::size_t i = 0; i < std::size(points); ++i) {
    EXPECT_EQ(shown.at(points[i].x, points[i].y), points[i].expected) << "row " << i;
  }
  DestroyWindow(window);
}

}  // namespace
