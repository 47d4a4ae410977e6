// Ein Fuzzy-Regler aus der Werkstatt auf einem Arduino Uno (ATmega328P).
//
// Vorher den Regler hierher exportieren (er heißt dann fuzzy_step):
//   fuzzysim export projekt.fuz --to c -o fuzzy_regler/fuzzy.c
// oder in der Werkstatt: Exportieren…, Dateityp "C-Quelltext (Mikrocontroller)".
//
// Die Analogeingänge A0 und A1 (0 bis 5 V) werden auf die Bereiche der
// Eingänge A und B umgerechnet, das Ergebnis des Regelschritts auf den
// Ausgangsbereich bezogen und als PWM mit 10 Bit an Pin 9 (OC1A) ausgegeben:
// Bereichsanfang 0 %, Bereichsende 100 %.
//
// Der Sketch greift nur auf die Register zu: er läuft in der Arduino-IDE wie
// mit avr-gcc allein, ohne Arduino-Kern.

#include <avr/io.h>
#include <stdint.h>

#include "fuzzy.h"

// Eine Messung des Analog-Digital-Wandlers an Kanal 0 bis 5, 0 bis 1023.
static uint16_t Analog(uint8_t kanal)
{
    ADMUX = (1 << REFS0) | (kanal & 0x07);  // Referenz: Versorgungsspannung
    ADCSRA |= 1 << ADSC;
    while (ADCSRA & (1 << ADSC)) {
    }
    return ADC;
}

// 0 bis 1023 auf lo bis hi.
static float Skaliert(uint16_t roh, float lo, float hi)
{
    return lo + (hi - lo) * (float)roh / 1023.0f;
}

// lo bis hi auf 0 bis 1023, außerhalb begrenzt.
static uint16_t Tastgrad(float y, float lo, float hi)
{
    const float anteil = (y - lo) / (hi - lo);
    if (!(anteil > 0.0f)) return 0;
    if (anteil >= 1.0f) return 1023;
    return (uint16_t)(anteil * 1023.0f + 0.5f);
}

void setup()
{
    ADCSRA = (1 << ADEN) | (1 << ADPS2) | (1 << ADPS1) | (1 << ADPS0);  // 125 kHz bei 16 MHz
    DDRB |= 1 << DDB1;                                                   // Pin 9 als Ausgang
    // Timer 1: schnelle PWM mit 10 Bit, nicht invertiert an OC1A, ohne Vorteiler.
    TCCR1A = (1 << COM1A1) | (1 << WGM11) | (1 << WGM10);
    TCCR1B = (1 << WGM12) | (1 << CS10);
}

void loop()
{
    const float a = Skaliert(Analog(0), FUZZY_A_MIN, FUZZY_A_MAX);
#if FUZZY_INPUTS == 2
    const float b = Skaliert(Analog(1), FUZZY_B_MIN, FUZZY_B_MAX);
#else
    const float b = 0.0f;  // das Projekt hat keinen Eingang B
#endif
    OCR1A = Tastgrad(fuzzy_step(a, b), FUZZY_OUT_MIN, FUZZY_OUT_MAX);
}

#ifndef ARDUINO
// Ohne Arduino-Kern (avr-gcc allein) fehlt dessen main.
int main()
{
    setup();
    for (;;) loop();
}
#endif
