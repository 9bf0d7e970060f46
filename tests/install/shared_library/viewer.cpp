#include <cstdio>

void view_on_plane(const double point[3], double image[2]);

int main()
{
    const double point[3] = {1, 2, 10};
    double image[2];
    view_on_plane(point, image);
    std::printf("(%.5f,%.5f)\n", image[0], image[1]);
    return 0;
}
