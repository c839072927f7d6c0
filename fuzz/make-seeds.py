#!/usr/bin/env python3
"""Writes the fuzz target's seed corpus: sessions that reach each rule of the cost sheet."""
from pathlib import Path

PRICE, AMOUNT, COST, TOTAL, CALCULATE, ADD, RESET = range(7)


def typed(field, text):
    raw = text.encode()
    assert len(raw) < 0x80
    return bytes([field, 0x80 | len(raw)]) + raw


def session(locale, *steps):
    out = locale.encode() + b"\0"
    for step in steps:
        out += step if isinstance(step, bytes) else bytes([step])
    return out


SEEDS = {
    "calculate-add-reset": session("en_US", typed(PRICE, "12"), typed(AMOUNT, "100"),
                                   CALCULATE, ADD, ADD, RESET, ADD),
    "empty-fields": session("en_US", CALCULATE, typed(AMOUNT, "5"), CALCULATE,
                            typed(AMOUNT, ""), typed(PRICE, "3"), CALCULATE),
    "german-half": session("de_DE", typed(PRICE, "0,5"), typed(AMOUNT, "3"), CALCULATE, ADD),
    "typed-total": session("en_US", typed(TOTAL, "007"), ADD, typed(TOTAL, "1,250"), ADD),
    "blanks-and-words": session("en_US", typed(PRICE, "   "), typed(AMOUNT, "x"), CALCULATE,
                                typed(TOTAL, ""), ADD),
    "non-finite": session("en_US", typed(PRICE, "inf"), typed(AMOUNT, "nan"), CALCULATE),
    "overflow": session("en_US", typed(PRICE, "1e200"), typed(AMOUNT, "1e200"), CALCULATE,
                        typed(PRICE, "1.7976931348623157e308"), typed(AMOUNT, "1"),
                        CALCULATE, ADD, ADD),
    "underflow": session("en_US", typed(PRICE, "1e-200"), typed(AMOUNT, "1e-200"), CALCULATE,
                         typed(PRICE, "1e-160"), typed(AMOUNT, "1e-160"), CALCULATE, ADD),
    "swedish-exponent": session("sv_SE", typed(PRICE, "1×10^−3"), typed(AMOUNT, "-1e5"),
                                CALCULATE, ADD),
    "arabic-digits": session("ar_EG", typed(PRICE, "\u061c-١٢٫٥"), typed(AMOUNT, "٣"),
                             CALCULATE, ADD, ADD),
    "persian-exponent": session("fa_IR", typed(PRICE, "\u200e−۱×۱۰^۳۰۰"),
                                typed(AMOUNT, "۱×۱۰^۸"), CALCULATE, ADD),
    "hebrew-minus": session("he_IL", typed(PRICE, "\u200e-5"), typed(AMOUNT, "3"), CALCULATE),
    "cost-display-ignored": session("en_US", typed(COST, "abc"), typed(PRICE, "2"),
                                    typed(AMOUNT, "2"), CALCULATE, ADD),
}

corpus = Path(__file__).resolve().parent / "corpus"
corpus.mkdir(exist_ok=True)
for name, data in SEEDS.items():
    (corpus / name).write_bytes(data)
