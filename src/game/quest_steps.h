// Hands the controller's quest steps (new quest, next level, continue) to the current profile.
#pragma once

void RegisterQuestSteps();
