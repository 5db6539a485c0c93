#include "app/chem/crystal_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVector3D>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace numeralia::app {

using chem::CrystalPicture;
using chem::Swatch;

namespace {

// A cell: its corners, its faces (corner indices in order round the face) and its atoms;
// the centring atoms (body and face centres) are coloured apart.
struct Cell {
    std::vector<QVector3D> vertices;
    std::vector<std::vector<int>> faces;
    std::vector<QVector3D> atoms;
    std::vector<QVector3D> centring;
    float atomRadius = 0.13f;
};

Cell parallelepiped(QVector3D a, QVector3D b, QVector3D c) {
    Cell cell;
    for (int i = 0; i < 8; ++i) {
        cell.vertices.push_back((i & 1 ? a : QVector3D()) + (i & 2 ? b : QVector3D()) +
                                (i & 4 ? c : QVector3D()));
    }
    cell.faces = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    cell.atoms = cell.vertices;
    return cell;
}

// Close-packed hexagonal: a hexagonal prism with atoms at its corners, in the middle of its
// two hexagons and three inside, half-way up.
Cell hexagonalPrism() {
    Cell cell;
    const float height = 1.63f;
    for (float y : {0.0f, height}) {
        for (int k = 0; k < 6; ++k) {
            const double angle = k * std::numbers::pi / 3;
            cell.vertices.emplace_back(std::cos(angle), y, std::sin(angle));
        }
    }
    cell.faces = {{0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11}};
    for (int k = 0; k < 6; ++k) cell.faces.push_back({k, (k + 1) % 6, (k + 1) % 6 + 6, k + 6});
    cell.atoms = cell.vertices;
    cell.atoms.emplace_back(0, 0, 0);
    cell.atoms.emplace_back(0, height, 0);
    for (int k = 0; k < 3; ++k) {
        const double angle = std::numbers::pi / 6 + k * 2 * std::numbers::pi / 3;
        cell.centring.emplace_back(std::cos(angle) / std::sqrt(3.0), height / 2,
                                   std::sin(angle) / std::sqrt(3.0));
    }
    cell.atomRadius = 0.15f;
    return cell;
}

Cell cellOf(CrystalPicture picture) {
    const QVector3D x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    switch (picture) {
        case CrystalPicture::CubicFaceCentred: {
            Cell cell = parallelepiped(x, z, y);
            const QVector3D c(0.5f, 0.5f, 0.5f);
            for (const QVector3D& d : {x, y, z}) {
                cell.centring.push_back(c - d / 2);
                cell.centring.push_back(c + d / 2);
            }
            return cell;
        }
        case CrystalPicture::CubicBodyCentred: {
            Cell cell = parallelepiped(x, z, y);
            cell.centring.emplace_back(0.5f, 0.5f, 0.5f);
            return cell;
        }
        case CrystalPicture::Hexagonal: return hexagonalPrism();
        case CrystalPicture::Cubic: return parallelepiped(x, z, y);
        case CrystalPicture::Tetragonal: return parallelepiped(x, z, 1.55f * y);
        case CrystalPicture::Rhombic: {
            // A right prism on a rhombus.
            const double angle = 120 * std::numbers::pi / 180;
            return parallelepiped(1.1f * x,
                                  QVector3D(1.1 * std::cos(angle), 0, 1.1 * std::sin(angle)),
                                  1.3f * y);
        }
        case CrystalPicture::Orthorhombic: return parallelepiped(1.4f * x, 0.8f * z, 1.1f * y);
        case CrystalPicture::Monoclinic:
            // One axis leans towards another: a right angle lost in one plane only.
            return parallelepiped(1.3f * x, 0.85f * z, QVector3D(0.5f, 1.2f, 0));
        case CrystalPicture::Rhombohedral: {
            // Three equal edges at 70° to one another, standing on a corner.
            const float h = 0.749f, r = 0.6626f;
            std::vector<QVector3D> e;
            for (int k = 0; k < 3; ++k) {
                const double angle = k * 2 * std::numbers::pi / 3;
                e.emplace_back(1.2f * r * std::cos(angle), 1.2f * h, 1.2f * r * std::sin(angle));
            }
            return parallelepiped(e[0], e[1], e[2]);
        }
        case CrystalPicture::None: break;
    }
    return {};
}

// The view: turned 32° about the vertical axis, then tipped 20° so that the top shows.
QVector3D view(const QVector3D& p) {
    constexpr double yaw = -32 * std::numbers::pi / 180;
    constexpr double pitch = 20 * std::numbers::pi / 180;
    const double x1 = p.x() * std::cos(yaw) + p.z() * std::sin(yaw);
    const double z1 = -p.x() * std::sin(yaw) + p.z() * std::cos(yaw);
    const double y2 = p.y() * std::cos(pitch) - z1 * std::sin(pitch);
    const double z2 = p.y() * std::sin(pitch) + z1 * std::cos(pitch);
    return QVector3D(static_cast<float>(x1), static_cast<float>(y2), static_cast<float>(z2));
}

void paintAtom(QPainter& painter, QPointF centre, double radius, bool centring, double nearness) {
    const QColor light = centring ? QColor(0xfb, 0xc9, 0x9a) : QColor(0xc6, 0xe2, 0xf2);
    const QColor dark = centring ? QColor(0xc4, 0x4a, 0x2c) : QColor(0x1f, 0x5a, 0x80);
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(0.25, light);
    shade.setColorAt(1, dark);
    painter.setOpacity(0.75 + 0.25 * nearness);  // the far atoms a little paler
    painter.setPen(QPen(dark.darker(130), radius * 0.08));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setOpacity(1);
}

}  // namespace

void paintCrystal(QPainter& painter, const QRectF& area, CrystalPicture picture) {
    const Cell cell = cellOf(picture);
    if (cell.vertices.empty()) return;
    QVector3D centroid;
    for (const QVector3D& v : cell.vertices) centroid += v;
    centroid /= static_cast<float>(cell.vertices.size());

    std::vector<QVector3D> seen;
    for (const QVector3D& v : cell.vertices) seen.push_back(view(v - centroid));
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (const QVector3D& v : seen) {
        left = std::min(left, v.x());
        right = std::max(right, v.x());
        top = std::min(top, -v.y());
        bottom = std::max(bottom, -v.y());
    }
    const double margin = cell.atomRadius * 1.15;
    const double scale = std::min(area.width() / (right - left + 2 * margin),
                                  area.height() / (bottom - top + 2 * margin));
    const QPointF middle = area.center();
    const QPointF shift((left + right) / 2, (top + bottom) / 2);
    auto onPaper = [&](const QVector3D& v) {
        return middle + (QPointF(v.x(), -v.y()) - shift) * scale;
    };

    // A face looks away when its outward normal points away from the viewer; an edge is
    // hidden when every face it borders looks away.
    std::vector<bool> back(cell.faces.size());
    for (std::size_t f = 0; f < cell.faces.size(); ++f) {
        const auto& face = cell.faces[f];
        QVector3D faceCentre;
        for (int i : face) faceCentre += seen[static_cast<std::size_t>(i)];
        faceCentre /= static_cast<float>(face.size());
        QVector3D normal = QVector3D::crossProduct(seen[face[1]] - seen[face[0]],
                                                   seen[face[2]] - seen[face[1]]);
        if (QVector3D::dotProduct(normal, faceCentre) < 0) normal = -normal;
        back[f] = normal.z() < 0;
    }
    struct Edge {
        int from, to;
        bool hidden;
    };
    std::vector<Edge> edges;
    for (std::size_t f = 0; f < cell.faces.size(); ++f) {
        const auto& face = cell.faces[f];
        for (std::size_t k = 0; k < face.size(); ++k) {
            const int a = std::min(face[k], face[(k + 1) % face.size()]);
            const int b = std::max(face[k], face[(k + 1) % face.size()]);
            auto found = std::find_if(edges.begin(), edges.end(),
                                      [&](const Edge& e) { return e.from == a && e.to == b; });
            if (found == edges.end()) edges.push_back({a, b, bool(back[f])});
            else found->hidden = found->hidden && back[f];
        }
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The faces at the back, lightly tinted, give the box its depth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(97, 165, 194, 38));
    for (std::size_t f = 0; f < cell.faces.size(); ++f) {
        if (!back[f]) continue;
        QPolygonF polygon;
        for (int i : cell.faces[f]) polygon << onPaper(seen[static_cast<std::size_t>(i)]);
        painter.drawPolygon(polygon);
    }
    const double width = std::max(1.0, scale / 60);
    painter.setPen(QPen(QColor(0x8a, 0xa1, 0xb4), width, Qt::DashLine));
    for (const Edge& e : edges) {
        if (e.hidden) painter.drawLine(onPaper(seen[e.from]), onPaper(seen[e.to]));
    }
    // Atoms from the back to the front.
    struct Atom {
        QVector3D at;
        bool centring;
    };
    std::vector<Atom> atoms;
    for (const QVector3D& a : cell.atoms) atoms.push_back({view(a - centroid), false});
    for (const QVector3D& a : cell.centring) atoms.push_back({view(a - centroid), true});
    std::sort(atoms.begin(), atoms.end(),
              [](const Atom& a, const Atom& b) { return a.at.z() < b.at.z(); });
    float nearest = -1e9f, farthest = 1e9f;
    for (const Atom& a : atoms) {
        nearest = std::max(nearest, a.at.z());
        farthest = std::min(farthest, a.at.z());
    }
    for (const Atom& a : atoms) {
        const double nearness = nearest > farthest ? (a.at.z() - farthest) / (nearest - farthest) : 1;
        paintAtom(painter, onPaper(a.at), cell.atomRadius * scale * (0.88 + 0.12 * nearness),
                  a.centring, nearness);
    }
    painter.setPen(QPen(QColor(0x1d, 0x35, 0x57), width * 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const Edge& e : edges) {
        if (!e.hidden) painter.drawLine(onPaper(seen[e.from]), onPaper(seen[e.to]));
    }
    painter.restore();
}

void paintSwatch(QPainter& painter, const QRectF& area, Swatch swatch) {
    if (swatch == Swatch::None) return;
    const QColor acid(0xe5, 0x39, 0x35), strongAcid(0x9b, 0x0f, 0x0f);
    const QColor base(0x42, 0x8b, 0xe0), strongBase(0x0d, 0x2f, 0x8c);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = area.adjusted(1, 1, -1, -1);
    const double round = std::min(box.width(), box.height()) / 6;
    QPainterPath outline;
    outline.addRoundedRect(box, round, round);
    painter.setClipPath(outline);
    switch (swatch) {
        case Swatch::Acid: painter.fillRect(box, acid); break;
        case Swatch::StrongAcid: painter.fillRect(box, strongAcid); break;
        case Swatch::Base: painter.fillRect(box, base); break;
        case Swatch::StrongBase: painter.fillRect(box, strongBase); break;
        case Swatch::Amphoteric: {
            painter.fillRect(box, base);
            QPolygonF half;
            half << box.topLeft() << box.topRight() << box.bottomLeft();
            painter.setPen(Qt::NoPen);
            painter.setBrush(acid);
            painter.drawPolygon(half);
            break;
        }
        case Swatch::None: break;
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x26, 0x46, 0x53), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

QString crystalDescription(CrystalPicture picture) {
    switch (picture) {
        case CrystalPicture::CubicFaceCentred: return QStringLiteral("Cúbica centrada en las caras");
        case CrystalPicture::CubicBodyCentred: return QStringLiteral("Cúbica centrada en el espacio");
        case CrystalPicture::Hexagonal: return QStringLiteral("Hexagonal");
        case CrystalPicture::Cubic: return QStringLiteral("Cúbica");
        case CrystalPicture::Tetragonal: return QStringLiteral("Tetragonal");
        case CrystalPicture::Rhombic: return QStringLiteral("Rómbica");
        case CrystalPicture::Orthorhombic: return QStringLiteral("Ortorrómbica");
        case CrystalPicture::Monoclinic: return QStringLiteral("Monoclínica");
        case CrystalPicture::Rhombohedral: return QStringLiteral("Romboédrica");
        case CrystalPicture::None: break;
    }
    return {};
}

QString swatchDescription(Swatch swatch) {
    switch (swatch) {
        case Swatch::Acid: return QStringLiteral("Óxido ácido");
        case Swatch::StrongAcid: return QStringLiteral("Óxido ácido fuerte");
        case Swatch::Base: return QStringLiteral("Óxido básico");
        case Swatch::StrongBase: return QStringLiteral("Óxido básico fuerte");
        case Swatch::Amphoteric: return QStringLiteral("Óxido anfótero");
        case Swatch::None: break;
    }
    return {};
}

SheetPicture::SheetPicture(Kind kind, QSize size, QWidget* parent)
    : PictureBox(size, parent), kind_(kind) {
    setCursor(Qt::PointingHandCursor);
}

void SheetPicture::setCrystal(CrystalPicture picture) {
    if (picture == crystal_) return;
    crystal_ = picture;
    setToolTip(crystalDescription(picture));
    update();
}

void SheetPicture::setSwatch(Swatch swatch) {
    if (swatch == swatch_) return;
    swatch_ = swatch;
    setToolTip(swatchDescription(swatch));
    update();
}

void SheetPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (kind_ == Kind::Crystal) paintCrystal(painter, QRectF(rect()).adjusted(4, 4, -4, -4), crystal_);
    else paintSwatch(painter, QRectF(rect()), swatch_);
}

}  // namespace numeralia::app
