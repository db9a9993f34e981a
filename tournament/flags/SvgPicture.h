#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Renders an SVG drawing into an image of the given size, stretched to fill
// it, on white.
//
// Qt's SVG module draws the static features of SVG Tiny. Two features
// beyond it carry the design of some flags and are taken care of here:
// markers (the stars of the United States are one star placed at every
// corner of a path) are written out as copies of their drawing, and an
// element clipped by a clipPath is drawn on a layer of its own that the
// clip's shape cuts out (Vanuatu's chevron, the counterchanged saltire of a
// union flag). Nested clips and clips in object bounding box units are
// drawn unclipped.
namespace SvgPicture {

// A null image when the drawing cannot be read.
QImage render(const QByteArray &svg, QSize size);

} // namespace SvgPicture
