// Draws the mandala of the picture page from its geometry, and its colour
// negative, and writes both as baseline JFIF JPEGs (three components, 72 by
// 72 dots per inch) embedded in a C++ source file for the game.
//
//   mandala <output.cpp> [<mandala.jpg> <negative.jpg>]

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace {

constexpr int Width = 799;
constexpr int Height = 515;

struct Rgb
{
    unsigned char r, g, b;
};

constexpr Rgb Black{0, 0, 0};
constexpr Rgb Green{0, 255, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb White{255, 255, 255};

class Canvas
{
public:
    Canvas() : m_pixels(std::size_t(Width) * Height, Black) {}

    void rect(int x0, int y0, int x1, int y1, Rgb c)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, c);
    }

    // The ellipse inscribed in the bounding box x0..x1, y0..y1.
    void ellipse(double x0, double y0, double x1, double y1, Rgb c)
    {
        const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
        const double a = (x1 - x0) / 2, b = (y1 - y0) / 2;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                const double dx = (x - cx) / a, dy = (y - cy) / b;
                if (dx * dx + dy * dy <= 1.0)
                    set(x, y, c);
            }
        }
    }

    void triangle(double ax, double ay, double bx, double by, double cx, double cy, Rgb c)
    {
        const auto edge = [](double x0, double y0, double x1, double y1, double x, double y) {
            return (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
        };
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                const double e0 = edge(ax, ay, bx, by, x, y);
                const double e1 = edge(bx, by, cx, cy, x, y);
                const double e2 = edge(cx, cy, ax, ay, x, y);
                if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0))
                    set(x, y, c);
            }
        }
    }

    void invert()
    {
        for (Rgb &p : m_pixels)
            p = {static_cast<unsigned char>(255 - p.r), static_cast<unsigned char>(255 - p.g),
                 static_cast<unsigned char>(255 - p.b)};
    }

    const Rgb *row(int y) const { return &m_pixels[std::size_t(y) * Width]; }

private:
    void set(int x, int y, Rgb c)
    {
        if (x >= 0 && x < Width && y >= 0 && y < Height)
            m_pixels[std::size_t(y) * Width + std::size_t(x)] = c;
    }

    std::vector<Rgb> m_pixels;
};

// The layers from the bottom up, all centred on about (397, 257).
Canvas drawMandala()
{
    Canvas c;
    c.rect(168, 0, 626, Height - 1, Green);       // the cross's vertical band
    c.rect(0, 102, Width - 1, 412, Green);        // and its horizontal band
    c.ellipse(70, 39, 724, 475, Blue);            // only its four caps stay visible
    c.rect(168, 102, 626, 412, Red);
    c.triangle(397, 102, 168, 334, 626, 334, Yellow);
    c.triangle(397, 412, 168, 179, 626, 179, White);
    c.ellipse(244, 168, 549, 346, Blue);
    c.ellipse(335, 221, 459, 293, White);
    return c;
}

std::vector<unsigned char> encode(const Canvas &canvas)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = Width;
    cinfo.image_height = Height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    cinfo.write_JFIF_header = TRUE;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE *>(canvas.row(int(cinfo.next_scanline))));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<unsigned char> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

void writeArray(std::FILE *f, const char *name, const std::vector<unsigned char> &bytes)
{
    std::fprintf(f, "extern const unsigned char %s[] = {", name);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        std::fprintf(f, "%s%u,", i % 24 ? "" : "\n", bytes[i]);
    std::fprintf(f, "\n};\nextern const unsigned long %sSize = %zu;\n", name, bytes.size());
}

bool writeFile(const char *path, const std::vector<unsigned char> &bytes)
{
    std::FILE *f = std::fopen(path, "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s output.cpp [mandala.jpg negative.jpg]\n", argv[0]);
        return 2;
    }
    Canvas canvas = drawMandala();
    const std::vector<unsigned char> mandala = encode(canvas);
    canvas.invert();
    const std::vector<unsigned char> negative = encode(canvas);

    std::FILE *f = std::fopen(argv[1], "w");
    if (!f)
        return 1;
    std::fprintf(f, "// Made at build time by tools/mandala.cpp; do not edit.\n");
    writeArray(f, "MandalaJpeg", mandala);
    writeArray(f, "NegativeJpeg", negative);
    if (std::fclose(f) != 0)
        return 1;
    if (argc == 4 && !(writeFile(argv[2], mandala) && writeFile(argv[3], negative)))
        return 1;
    return 0;
}
