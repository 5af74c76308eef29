#pragma once

#include <QString>

// The file service listens on a fixed port, so tests that bring it up the
// console's way run their stand-in servers on a loopback address of their own.
constexpr quint16 kyFileServicePort = 8906;

// A loopback address 127.x.y.z (x >= 3: never 127.0.0.1 nor the stand-in's
// record endpoint 127.0.0.2) on which nothing listens on port; x and y come
// from the process id, so programs running at the same time differ.
QString kyOwnTestHost(quint16 port = kyFileServicePort);
