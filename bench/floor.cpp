// The floor of the launcher benchmarks: a Qt process that exits at once. Built twice: with
// a bare QCoreApplication (the floor) and, with BENCH_GUI, with a QApplication as the
// launcher constructs it before anything else.
#ifdef BENCH_GUI
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    Application app(argc, argv);
    return 0;
}
