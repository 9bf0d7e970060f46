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

constexpr ProjectionKind ORTHOGRAPHIC = ProjectionKind::ORTHOGRAPHIC;
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
    ProjectionName name;
    double angle_degrees; // NaN: not checked
    double foreshortening;
};

constexpr double ANY = NAN;
constexpr ProjectionType PAR = ProjectionType::PARALLEL;
constexpr ProjectionType PER = ProjectionType::PERSPECTIVE;
constexpr V3 ZERO = {0, 0, 0};

const Case CASES[] = {
    {"onto z = 0 along its normal", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {0, 0, -3}, ORTHOGRAPHIC, ProjectionName::TOP, 90,
     0},
    {"D within 2^-40 of the normal", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {BELOW, 0, 1}, ORTHOGRAPHIC,
     ProjectionName::TOP, 90, 0},
    {"D beyond 2^-40 of the normal", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {ABOVE, 0, 1}, OBLIQUE, ProjectionName::OBLIQUE,
     ANY, ABOVE},
    {"front view", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, ORTHOGRAPHIC, ProjectionName::FRONT, ANY, ANY},
    {"side view", PAR, ZERO, {0, 1, 0}, {0, 0, 1}, {-1, 0, 0}, ORTHOGRAPHIC, ProjectionName::SIDE, ANY, ANY},
    {"front plane turned within 2^-40", PAR, ZERO, {1, 0, 0}, {0, BELOW, 1}, {0, 1, 0}, ORTHOGRAPHIC,
     ProjectionName::FRONT, ANY, ANY},
    // x and z shorten alike, y to almost nothing.
    {"front plane turned beyond 2^-40", PAR, ZERO, {1, 0, 0}, {0, ABOVE, 1}, {0, 1, -ABOVE}, ORTHOGRAPHIC,
     ProjectionName::DIMETRIC, ANY, ANY},
    {"isometric", PAR, ZERO, {1, 1, 0}, {-1, 1, 2}, {1, -1, 1}, ORTHOGRAPHIC, ProjectionName::ISOMETRIC, ANY, ANY},
    {"isometric plane turned about its x - y", PAR, ZERO, {1, 1, 0}, {-1, 1, 2 + 1e-9}, {2 + 1e-9, -2 - 1e-9, 2},
     ORTHOGRAPHIC, ProjectionName::DIMETRIC, ANY, ANY},
    {"isometric plane turned a little", PAR, ZERO, {1, 1 + 1e-9, 0}, {-1, 1, 2}, {2 + 2e-9, -2, 2 + 1e-9},
     ORTHOGRAPHIC, ProjectionName::TRIMETRIC, ANY, ANY},
    {"x and y alike", PAR, ZERO, {-1, 1, 0}, {-1, -1, 4}, {2, 2, 1}, ORTHOGRAPHIC, ProjectionName::DIMETRIC, ANY, ANY},
    {"cavalier, depth drawn upwards", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -1, 1}, OBLIQUE, ProjectionName::CAVALIER,
     45, 1},
    {"a factor of 1 within 2^-40", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -1, 1 + BELOW}, OBLIQUE,
     ProjectionName::CAVALIER, ANY, ANY},
    {"a factor of 1 beyond 2^-40", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -1, 1 + ABOVE}, OBLIQUE,
     ProjectionName::OBLIQUE, ANY, ANY},
    {"a D a little off cavalier", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {1, -1.4142135, 1}, OBLIQUE,
     ProjectionName::OBLIQUE, ANY, ANY},
    {"cabinet", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {0, -2, 1}, OBLIQUE, ProjectionName::CABINET, 63.43494882292201,
     0.5},
    {"a D a little off cabinet", PAR, ZERO, {1, 0, 0}, {0, 0, 1}, {1, -2.8284271, 1}, OBLIQUE,
     ProjectionName::OBLIQUE, ANY, ANY},
    {"military", PAR, ZERO, {1, 0, 0}, {0, 1, 0}, {1, 0, 1}, OBLIQUE, ProjectionName::MILITARY, 45, 1},
    {"plane within 2^-40 of horizontal", PAR, ZERO, {1, 0, 0}, {0, 1, BELOW}, {1, -BELOW, 1}, OBLIQUE,
     ProjectionName::MILITARY, ANY, ANY},
    {"plane beyond 2^-40 of horizontal", PAR, ZERO, {1, 0, 0}, {0, 1, ABOVE}, {1, -ABOVE, 1}, OBLIQUE,
     ProjectionName::CAVALIER, ANY, ANY},
    {"a factor of 1 on a tilted plane", PAR, ZERO, {1, 0, 0}, {0, 1, 1}, {M_SQRT2, -1, 1}, OBLIQUE,
     ProjectionName::CAVALIER, 45, 1},
    {"(1, 1, 1) onto z = 0", PAR, {5, 5, 5}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}, OBLIQUE, ProjectionName::OBLIQUE,
     35.264389682754654, M_SQRT2},
    {"from above z = 0", PER, ZERO, {1, 0, 0}, {0, 1, 0}, {1, 2, 5}, PERSPECTIVE, ProjectionName::PERSPECTIVE_1, ANY,
     ANY},
    {"z within 2^-40 of the plane", PER, ZERO, {1, 0, 0}, {0, BELOW, 1}, {1, -5, 1}, PERSPECTIVE,
     ProjectionName::PERSPECTIVE_1, ANY, ANY},
    {"z beyond 2^-40 of the plane", PER, ZERO, {1, 0, 0}, {0, ABOVE, 1}, {1, -5, 1}, PERSPECTIVE,
     ProjectionName::PERSPECTIVE_2, ANY, ANY},
    {"a vertical plane turned", PER, {1, -1, 0}, {1, 2, 0}, {0, 0, 1}, {3, -3, 2}, PERSPECTIVE,
     ProjectionName::PERSPECTIVE_2, ANY, ANY},
    {"a tilted plane", PER, {1, -1, 1}, {1, 1, 0}, {-1, 1, 3}, {3, -3, 3}, PERSPECTIVE, ProjectionName::PERSPECTIVE_3,
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
        EXPECT_EQ(key(c.kind), std::string(key(t.kind)));
        EXPECT_EQ(key(c.name), std::string(key(t.name)));
        if (t.kind == ORTHOGRAPHIC) {
            EXPECT_EQ(c.angle_degrees, 90.0);
            EXPECT_EQ(c.foreshortening, 0.0);
        }
        if (!std::isnan(t.angle_degrees)) {
            EXPECT_NEAR(c.angle_degrees, t.angle_degrees, 1e-12);
        }
        if (!std::isnan(t.foreshortening)) {
            EXPECT_NEAR(c.foreshortening, t.foreshortening, 1e-15);
        }
        EXPECT_EQ(std::isnan(c.angle_degrees) && std::isnan(c.foreshortening), t.kind == PERSPECTIVE);
        const int points = t.kind == PERSPECTIVE ? 1 + static_cast<int>(c.name) -
                                                       static_cast<int>(ProjectionName::PERSPECTIVE_1)
                                                 : 0;
        EXPECT_EQ(c.vanishing_point_count, points);
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

// Every key names its own name, and every kind and name has a text of its
// own in each set.
TEST(Classification, KeysAndTexts)
{
    for (int i = 0; i < PROJECTION_NAME_COUNT; ++i) {
        const auto name = static_cast<ProjectionName>(i);
        ProjectionName read = ProjectionName::OBLIQUE;
        EXPECT_TRUE(name_of_key(key(name), read)) << key(name);
        EXPECT_EQ(read, name);
    }
    for (const char* unknown : {"", "Cavaleira", "perspectiva", "perspectiva-4", "isometrica "}) {
        ProjectionName untouched = ProjectionName::TOP;
        EXPECT_FALSE(name_of_key(unknown, untouched)) << unknown;
        EXPECT_EQ(untouched, ProjectionName::TOP);
    }
    for (const TextSet* texts : {&portuguese_texts(), &english_texts()}) {
        std::set<std::string> kinds;
        std::set<std::string> names;
        for (int i = 0; i < PROJECTION_KIND_COUNT; ++i) {
            const char* text = kind_text(*texts, static_cast<ProjectionKind>(i));
            kinds.insert(text != nullptr ? text : "");
        }
        for (int i = 0; i < PROJECTION_NAME_COUNT; ++i) {
            const char* text = name_text(*texts, static_cast<ProjectionName>(i));
            names.insert(text != nullptr ? text : "");
        }
        EXPECT_EQ(kinds.size(), 3u);
        EXPECT_EQ(names.size(), 13u);
        EXPECT_EQ(kinds.count("") + names.count(""), 0u);
    }
    // The Portuguese texts are the keys, but for the perspectives'.
    for (int i = 0; i < PROJECTION_KIND_COUNT; ++i) {
        EXPECT_EQ(std::string(kind_text(portuguese_texts(), static_cast<ProjectionKind>(i))),
                  PROJECTION_KIND_KEYS[i]);
    }
    for (int i = 0; i < static_cast<int>(ProjectionName::PERSPECTIVE_1); ++i) {
        EXPECT_EQ(std::string(name_text(portuguese_texts(), static_cast<ProjectionName>(i))),
                  PROJECTION_NAME_KEYS[i]);
    }
    EXPECT_EQ(std::string(name_text(portuguese_texts(), ProjectionName::PERSPECTIVE_3)), "3 pontos de fuga");
}

} // namespace
} // namespace revareza
