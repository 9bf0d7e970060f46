#include <revareza/definition/classification.hpp>
#include <revareza/definition/text_set.hpp>

#include "tests/revareza/projection/projection_oracle.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace revareza {
namespace {

using test::V3;

using Name = ProjectionName;
constexpr ProjectionKind ORTHO = ProjectionKind::ORTHOGRAPHIC;
constexpr ProjectionKind OBLIQUE = ProjectionKind::OBLIQUE;
constexpr ProjectionKind PERSPECTIVE = ProjectionKind::PERSPECTIVE;

// Just inside and just outside the tolerance, far from rounding either way.
constexpr double BELOW = 0.99 * 0x1p-40;
constexpr double ABOVE = 1.01 * 0x1p-40;

struct Case {
    const char* label;
    ProjectionType type;
    V3 origin, x, y, last; // the last: D or C
    ProjectionKind kind;
    Name name;
    double angle_degrees; // ANY: not checked
    double foreshortening;
};

constexpr double ANY = NAN;
constexpr ProjectionType PAR = ProjectionType::PARALLEL;
constexpr ProjectionType PER = ProjectionType::PERSPECTIVE;
constexpr V3 ZERO = {0, 0, 0};

const Case CASES[] = {
    {"D within 2^-40 of the normal", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {BELOW, 0, -1}, ORTHO, Name::TOP, 90, 0},
    {"D beyond 2^-40 of n", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {ABOVE, 0, 1}, OBLIQUE, Name::OBLIQUE, ANY, ABOVE},
    {"front plane turned within 2^-40", PAR, ZERO, {1, 0, 0}, {0, BELOW, 1}, {0, 1, 0}, ORTHO, Name::FRONT, ANY, ANY},
    // x and z shorten alike, y to almost nothing.
    {"front plane turned beyond 2^-40", PAR, ZERO, {1, 0, 0}, {0, ABOVE, 1}, {0, 1, -ABOVE}, ORTHO, Name::DIMETRIC, ANY,
     ANY},
    {"isometric plane turned about x - y", PAR, ZERO, {1, 1, 0}, {-1, 1, 2 + 1e-9}, {2 + 1e-9, -2 - 1e-9, 2}, ORTHO,
     Name::DIMETRIC, ANY, ANY},
    {"isometric plane turned a little", PAR, ZERO, {1, 1 + 1e-9, 0}, {-1, 1, 2}, {2 + 2e-9, -2, 2 + 1e-9}, ORTHO,
     Name::TRIMETRIC, ANY, ANY},
    {"factor 1 within 2^-40", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -1, 1 + BELOW}, OBLIQUE, Name::CAVALIER, ANY, ANY},
    {"factor 1 beyond 2^-40", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -1, 1 + ABOVE}, OBLIQUE, Name::OBLIQUE, ANY, ANY},
    {"D a little off cavalier", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {1, -1.4142135, 1}, OBLIQUE, Name::OBLIQUE, ANY, ANY},
    {"cabinet", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -2, 1}, OBLIQUE, Name::CABINET, 63.43494882292201, 0.5},
    {"D a little off cabinet", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {1, -2.8284271, 1}, OBLIQUE, Name::OBLIQUE, ANY, ANY},
    {"plane within 2^-40 of horizontal", PAR, ZERO, {1, 0, 0}, {0, 1, BELOW}, {1, -BELOW, 1}, OBLIQUE, Name::MILITARY,
     45, 1},
    {"plane beyond 2^-40 of horizontal", PAR, ZERO, {1, 0, 0}, {0, 1, ABOVE}, {1, -ABOVE, 1}, OBLIQUE, Name::CAVALIER,
     ANY, ANY},
    {"a factor of 1 on a tilted plane", PAR, ZERO, {1, 0, 0}, {0, 1, 1}, {M_SQRT2, -1, 1}, OBLIQUE, Name::CAVALIER, 45,
     1},
    // atan(1e-9) in degrees: the angle keeps its digits, not pi/2's last place.
    {"D nearly along the plane", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {1, 0, 1e-9}, OBLIQUE, Name::OBLIQUE,
     5.729577951308232e-08, ANY},
    {"(1, 1, 1) onto z = 0", PAR, {5, 5, 5}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}, OBLIQUE, Name::OBLIQUE,
     35.264389682754654, M_SQRT2},
    {"z within 2^-40 of the plane", PER, ZERO, {1, 0, 0}, {0, BELOW, 1}, {1, -5, 1}, PERSPECTIVE, Name::PERSPECTIVE_1,
     ANY, ANY},
    {"z beyond 2^-40 of the plane", PER, ZERO, {1, 0, 0}, {0, ABOVE, 1}, {1, -5, 1}, PERSPECTIVE, Name::PERSPECTIVE_2,
     ANY, ANY},
};

Definition definition(ProjectionType type, V3 origin, V3 x, V3 y, V3 last)
{
    Definition d;
    d.type = type;
    d.origin = test::Point(origin);
    d.x = test::Direction(x);
    d.y = test::Direction(y);
    d.direction = test::Direction(last);
    d.centre = test::Point(last);
    return d;
}

// Each decision on both sides of 2^-40, and the near misses of each name.
TEST(Classification, KindAndNameByEachMeasure)
{
    for (const Case& t : CASES) {
        SCOPED_TRACE(t.label);
        const Definition d = definition(t.type, t.origin, t.x, t.y, t.last);
        ASSERT_EQ(check(d), Problem::NONE);
        const Classification c = classify(d);
        EXPECT_STREQ(key(c.kind), key(t.kind));
        EXPECT_STREQ(key(c.name), key(t.name));
        if (t.kind == ORTHO) {
            EXPECT_EQ(c.angle_degrees, 90.0);
            EXPECT_EQ(c.foreshortening, 0.0);
        }
        if (!std::isnan(t.angle_degrees)) {
            // Relative for angles below a degree.
            EXPECT_NEAR(c.angle_degrees, t.angle_degrees, 1e-12 * std::fmin(1.0, t.angle_degrees));
        }
        if (!std::isnan(t.foreshortening)) {
            EXPECT_NEAR(c.foreshortening, t.foreshortening, 1e-15);
        }
        EXPECT_EQ(std::isnan(c.angle_degrees) && std::isnan(c.foreshortening), t.kind == PERSPECTIVE);
        const int first = static_cast<int>(Name::PERSPECTIVE_1);
        EXPECT_EQ(c.vanishing_point_count, t.kind == PERSPECTIVE ? 1 + static_cast<int>(c.name) - first : 0);
    }
}

// Where the line from C along each world axis meets the plane, in the
// plane's frame, on planes of small integers: an axis is parallel to the
// plane exactly where the integer normal's component is 0, and has no
// vanishing point there.
TEST(Classification, VanishingPointsWhereTheAxesLinesFromTheCentreMeetThePlane)
{
    test::Random random(31);
    const auto integer = [&random] { return static_cast<double>(random.Below(11) - 5); };
    int counts[4] = {};
    for (int tried = 0; tried < 400; ++tried) {
        const V3 o{integer(), integer(), integer()}, x{integer(), integer(), integer()};
        const V3 y{integer(), integer(), integer()}, c{integer(), integer(), integer()};
        const Definition d = definition(ProjectionType::PERSPECTIVE, o, x, y, c);
        if (check(d) != Problem::NONE) {
            continue;
        }
        SCOPED_TRACE(::testing::Message() << "O " << o.x << ' ' << o.y << ' ' << o.z << ", X " << x.x << ' ' << x.y
                                          << ' ' << x.z << ", Y " << y.x << ' ' << y.y << ' ' << y.z << ", C " << c.x
                                          << ' ' << c.y << ' ' << c.z);
        const V3 n = test::Cross(x, y);
        const test::Plane plane{o, x, test::Cross(n, x)};
        const Classification found = classify(d);
        const double normal[3] = {n.x, n.y, n.z};
        const V3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        int count = 0;
        for (int i = 0; i < 3; ++i) {
            if (normal[i] == 0.0) {
                continue;
            }
            ASSERT_LT(count, found.vanishing_point_count);
            const VanishingPoint& v = found.vanishing_points[count++];
            EXPECT_EQ(v.axis, "xyz"[i]);
            const double t = test::Dot(test::Sub(o, c), n) / normal[i];
            const test::PlanePoint expected = test::PlaneCoordinates(plane, test::Add(c, test::Scale(axes[i], t)));
            EXPECT_NEAR(v.x, expected.x, 1e-9 * (1 + std::fabs(expected.x)));
            EXPECT_NEAR(v.y, expected.y, 1e-9 * (1 + std::fabs(expected.y)));
        }
        EXPECT_EQ(found.vanishing_point_count, count);
        ++counts[count];
    }
    // Each count met.
    EXPECT_GT(counts[1], 0);
    EXPECT_GT(counts[2], 0);
    EXPECT_GT(counts[3], 0);
}

// Every key names its own name; every kind and name has a text of its own
// in each set, the Portuguese ones the keys but for the perspectives'.
TEST(Classification, KeysAndTexts)
{
    for (int i = 0; i < PROJECTION_NAME_COUNT; ++i) {
        ProjectionName read = Name::OBLIQUE;
        EXPECT_TRUE(name_of_key(PROJECTION_NAME_KEYS[i], read) && read == static_cast<Name>(i)) << i;
    }
    ProjectionName untouched = Name::TOP;
    for (const char* unknown : {"", "Cavaleira", "perspectiva", "perspectiva-4", "isometrica "}) {
        EXPECT_FALSE(name_of_key(unknown, untouched)) << unknown;
    }
    EXPECT_EQ(untouched, Name::TOP);
    for (const TextSet* texts : {&portuguese_texts(), &english_texts()}) {
        std::set<std::string> distinct;
        for (int i = 0; i < PROJECTION_KIND_COUNT + PROJECTION_NAME_COUNT; ++i) {
            const int name = i - PROJECTION_KIND_COUNT;
            const char* text = name < 0 ? kind_text(*texts, static_cast<ProjectionKind>(i))
                                        : name_text(*texts, static_cast<Name>(name));
            distinct.insert(text != nullptr && *text != '\0' ? text : "");
        }
        EXPECT_EQ(distinct.size(), 15u); // "obliqua" is both a kind and a name
        EXPECT_EQ(distinct.count(""), 0u);
    }
    for (int i = 0; i < PROJECTION_KIND_COUNT; ++i) {
        EXPECT_STREQ(kind_text(portuguese_texts(), static_cast<ProjectionKind>(i)), PROJECTION_KIND_KEYS[i]);
    }
    for (int i = 0; i < static_cast<int>(Name::PERSPECTIVE_1); ++i) {
        EXPECT_STREQ(name_text(portuguese_texts(), static_cast<Name>(i)), PROJECTION_NAME_KEYS[i]);
    }
    EXPECT_STREQ(name_text(portuguese_texts(), Name::PERSPECTIVE_3), "3 pontos de fuga");
}

} // namespace
} // namespace revareza
