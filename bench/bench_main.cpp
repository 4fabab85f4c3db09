// The benchmarks of the simulated game. They print figures; none of them is a test.
#include <cstdio>

void benchIdleFrame();
void benchSimulatedHour();
void benchSettingsRead();
void benchSettingsCheck();
void benchChooseSpawn();
void benchCustomSpawn();
void benchGiveAllWeapons();
void benchEventLog();
void benchMenu();

int main() {
    std::printf("== Idle frame ==\n");
    benchIdleFrame();
    std::printf("\n== Settings read ==\n");
    benchSettingsRead();
    std::printf("\n== Settings check ==\n");
    benchSettingsCheck();
    std::printf("\n== chooseSpawn per mode ==\n");
    benchChooseSpawn();
    std::printf("\n== Custom spawn ==\n");
    benchCustomSpawn();
    std::printf("\n== giveAllWeapons ==\n");
    benchGiveAllWeapons();
    std::printf("\n== Event log ==\n");
    benchEventLog();
    std::printf("\n== Menu ==\n");
    benchMenu();
    std::printf("\n== Ten simulated hours of play ==\n");
    benchSimulatedHour();
    return 0;
}
