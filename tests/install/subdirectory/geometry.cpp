// The project's own geometry library, whose target name revareza must leave free.
int own_geometry_answer()
{
    return 42;
}
