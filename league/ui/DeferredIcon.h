#pragma once

#include <QIcon>
#include <functional>

// An icon whose pixmaps are drawn or read when it is first painted or
// measured, not when it is made. Drawing the toolbar glyphs and reading the
// style's extension arrows (which loads every picture format plugin) would
// otherwise happen before the main window can first show. At a device pixel
// ratio of 1 it gives exactly the pixmaps and sizes of the icon `make`
// returns; `make` runs at most once for the icon and all its copies. The
// icon is never null, so `make` must return an icon with a picture.
QIcon deferredIcon(std::function<QIcon()> make);
