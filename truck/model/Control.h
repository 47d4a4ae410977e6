#pragma once

#include "fuzzy/Controller.h"
#include "truck/model/Truck.h"

#include <vector>

// The truck's control loop without any window: the main window's timer and
// the command-line simulation run exactly this code.
namespace dorvane {

// Simulated time of one control step in seconds, whatever time really passed.
constexpr float StepSeconds = 0.1f;
// Length of the truck in metres.
constexpr float TruckLength = 10.0f;
// The cab starts at this y; a run ends when the rear point reaches ArrivalY.
constexpr float StartCabY = 25.0f;
constexpr float ArrivalY = -25.0f;
// The road between its verges, in x (the target line is x = 0).
constexpr float RoadLeft = -20.1f;
constexpr float RoadRight = 2.0f;
// Steering angle (18 degrees, pi/10 as a float) set whenever the truck is placed.
constexpr float PlacedSteering = 0.31415927f;

// Attitude ("Lage") in degrees: 0 with the cab straight up the road, positive
// when the body is turned counter-clockwise from there.
float Attitude(const TTruck& truck);
// The same from a heading in radians.
float AttitudeOfHeading(float heading);
// Steering angle in degrees.
float SteeringDegrees(const TTruck& truck);
// Start heading for a given attitude in degrees.
float HeadingForAttitude(float attitudeDegrees);
// Start heading for a uniform r in [0, 1): attitude uniform in [-45, 45) degrees.
float RandomHeading(float r);

// Puts the truck at its start: cab at (cabX, 25), the given heading and speed,
// 10 m long, steering 18 degrees.
void PlaceTruck(TTruck& truck, float cabX, float startHeading, float speed);

// Feeds distance (rear x) and attitude into the inputs and runs the rule table;
// afterwards the output's heights hold the activations.
void InferFromTruck(const TTruck& truck, const fuzzy::Controller& c);
// The defuzzified output, a steering angle in degrees, in radians.
float SteeringFromOutput(const fuzzy::TFuzzy& Ausgang);
// One whole fuzzy control step without drawing: infer, steer, advance 0.1 s.
// False, and the truck left as it was, when the controller's steering angle
// is not a finite number: such a step cannot be driven. `steering`, where
// given, receives the controller's output, the steering angle in degrees as
// the step applied it (before it is turned into radians).
bool FuzzyControlStep(TTruck& truck, const fuzzy::Controller& c, float* steering = nullptr);
// The same with the truck's Heading() already known.
bool FuzzyControlStepFrom(TTruck& truck, const fuzzy::Controller& c, float heading, float* steering = nullptr);

bool Arrived(const TTruck& truck);
bool OnRoad(float rearX);

struct StartValues {
    float CabX = 0.0f;
    float Attitude = 0.0f;  // degrees
};

// One recorded moment of a run.
struct TrackPoint {
    float RearX, RearY;
    float CabX, CabY;
    float Attitude;  // degrees
    float Steering;  // degrees
    // The controller's output in the step that led here, in degrees, exactly
    // as the step applied it; its inputs are the rear x and the attitude of
    // the point before. 0 at the start, where no step has been made.
    float Control = 0.0f;
};

struct RunResult {
    StartValues Start;
    bool Arrived = false;
    bool Aborted = false;  // ended at a step whose steering angle was no finite number
    int Steps = 0;
    float X = 0.0f;                 // rear x at the end
    float Attitude = 0.0f;          // degrees, at the end
    float MaxAbsX = 0.0f;           // largest |rear x| from the start on
    bool LeftRoad = false;          // the rear point was off the road at some time
    std::vector<TrackPoint> Track;  // after placing and after every step, if recorded
};

// Default bound on the steps of one run: far more than any sensible run needs
// even at 0.1 m per step, so that a truck that never arrives still ends.
constexpr int DefaultMaxSteps = 5000;

// Places the truck at the start and runs fuzzy control steps until the rear
// point arrives or maxSteps have been made (reported as not arrived).
RunResult RunFuzzy(const fuzzy::Controller& c, StartValues start, float speed, int maxSteps = DefaultMaxSteps,
                   bool record = false);

// The grid on which a controller is judged: cab x from -20 to 0 in steps of
// 2 m, attitude from -45 to 40 degrees in steps of 5, keeping the starts whose
// rear point begins on the road.
std::vector<StartValues> GridStarts();

// Whether a run meets the teaching goal: arrival with |x| < 0.1 m and
// |attitude| < 1 degree, and, for a rear point starting at x <= 0, never off the road.
struct Quality {
    bool ArrivedWell = false;
    bool KeptRoad = true;
    bool MustKeepRoad = false;
    bool Good() const { return ArrivedWell && (!MustKeepRoad || KeptRoad); }
};
Quality Judge(const RunResult& r, float startRearX);
float RearXAtStart(StartValues start);

}  // namespace dorvane
