#pragma once

#include "controllers/editcontroller.h"
#include "document/configdocument.h"
#include "support/scriptedprompts.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A document, the prompts that answer for the user and the edit controller
// on them, for the tests of the controllers that edit the active button.
struct EditingFixture {
    QTemporaryDir dir;
    std::unique_ptr<ConfigDocument> document;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<EditController> edits;

    // A fresh set; whatever else works on the old one goes first.
    void renew()
    {
        edits.reset();
        document = std::make_unique<ConfigDocument>();
        prompts = std::make_unique<ScriptedPrompts>();
        edits = std::make_unique<EditController>(*document, *prompts);
    }

    // `table` taken over as a readout of one button and saved, so that the
    // document starts unmodified, with button 1 active.
    bool startWith(const ButtonTable &table)
    {
        document->takeOverReadout(table, 1);
        return document->saveAs(dir.filePath("start.txt")).done && !document->isModified()
            && edits->selectButton(0);
    }
};
