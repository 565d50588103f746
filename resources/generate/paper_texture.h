#pragma once
// A light-brown paper texture drawn from a fixed seed: the same picture on every run.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>

namespace strs::pictures {

// A reproducible number in [0, 1) for integer coordinates and a seed.
double HashUnit(int x, int y, std::uint32_t seed);

// Paper of the given tone: soft blotches, fine grain and a few fibres.
QImage PaperTexture(QSize size, QColor tone, std::uint32_t seed);

}  // namespace strs::pictures
