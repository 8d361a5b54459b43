#pragma once

#include "App.h"
#include "TestServices.h"

#include <memory>

// A whole App on fakes, in a program folder of its own; with speech, a fake engine speaks.
struct TestApp : TestServices
{
    int runsEnded = 0; // how often a confirmed quit ended the event loop
    std::unique_ptr<App> app;

    explicit TestApp(bool withSpeech = false)
        : TestApp(QString(), QString(), withSpeech)
    {
    }
    // In a given program folder (empty: its own), taking commands at remoteSocket (empty: none).
    TestApp(const QString &programFolder, const QString &remoteSocket, bool withSpeech = false)
        : TestServices(programFolder)
    {
        app = std::make_unique<App>(AppServices{services(withSpeech), [this] { ++runsEnded; }, remoteSocket});
    }
};
