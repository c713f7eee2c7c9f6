#pragma once

#include "XServerSession.h"

#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

namespace voltrail::test {

// Runs a Qt Test class on a private X server under openbox: skipped (77)
// where Xvfb or openbox is missing.
template <typename TestClass> int RunOnXServer(int argc, char* argv[])
{
    XServerSession session;
    switch (session.Start()) {
    case XServerSession::Outcome::Ready:
        break;
    case XServerSession::Outcome::Missing:
        std::printf("SKIP: %s\n", session.problem().c_str());
        return 77;
    case XServerSession::Outcome::Failed:
        std::fprintf(stderr, "FAIL: %s\n", session.problem().c_str());
        return EXIT_FAILURE;
    }
    qputenv("DISPLAY", QByteArray::fromStdString(session.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = EXIT_FAILURE;
    {
        QApplication app(argc, argv);
        TestClass test;
        result = QTest::qExec(&test, argc, argv);
    }
    session.Stop();
    return result;
}

} // namespace voltrail::test
