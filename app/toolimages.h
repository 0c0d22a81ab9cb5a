// app/toolimages.h — the pictures of the tool buttons, drawn at start-up
#pragma once
#include <windows.h>

#include <commctrl.h>

namespace app {

// Indexes into the image list.
enum ToolImage {
    imgNovy, imgOtevrit, imgUlozit, imgTisk, imgVyjmout, imgKopirovat, imgVlozit, imgPozadi,
    imgTucne, imgKurziva, imgPodtrzeno, imgVlevo, imgStred, imgVpravo, imgCount
};

// A 16 x 16 image list with every tool picture; the caller owns it.
HIMAGELIST createToolImages();

} // namespace app
