#!/usr/bin/env python3
"""Writes the pickled chart fixtures of the importer's tests: 27 values, one pickle.dump
after another, in the order the reader expects; and two hostile files that must be refused
without being run. Run from this folder: python3 hacer_hor.py"""
import pickle

# name, male, chart type, before Christ, year, month, day, hour, minute, second, calendar,
# zone type, zone ahead, zone hours, zone minutes, summer time, place, longitude degrees,
# minutes, seconds, east, latitude degrees, minutes, seconds, north, altitude, notes
ANA = ['Ana Pérez', False, 0, False, 1975, 3, 14, 9, 30, 0, 0, 0, True, 1, 0, False,
       'Sevilla', 5, 59, 0, False, 37, 23, 0, True, 7, '']
# A Julian-calendar date, summer time, a name outside Windows-1252, a line break in the notes.
LECH = ['Łukasz Żółw', True, 0, False, 1700, 2, 20, 23, 15, 30, 1, 0, True, 1, 0, True,
        'Kraków', 19, 56, 0, True, 50, 3, 0, True, 219, 'primera\nsegunda']
# Before Christ, universal time, the southern and western hemispheres.
ANTIGUO = ['Antiguo', True, 0, True, 44, 3, 15, 12, 0, 0, 1, 1, False, 0, 0, False,
           'Lima', 77, 2, 0, False, 12, 3, 0, False, 0, 'nota']
# Local mean time.
MEDIA = ['Media', False, 0, False, 1850, 6, 1, 6, 0, 0, 0, 2, False, 0, 0, False,
         'Madrid', 3, 42, 0, False, 40, 25, 0, True, 650, '']
# Local apparent time: refused with its reason.
APARENTE = ['Aparente', False, 0, False, 1850, 6, 1, 6, 0, 0, 0, 3, False, 0, 0, False,
            'Madrid', 3, 42, 0, False, 40, 25, 0, True, 650, '']


def escribir(nombre, valores, protocolo):
    with open(nombre, 'wb') as f:
        for v in valores:
            pickle.dump(v, f, protocol=protocolo)


class Peligro:
    def __reduce__(self):
        import os
        return (os.system, ('touch /tmp/natalis-pickle-ejecutado',))


escribir('ana-p0.hor', ANA, 0)
escribir('ana-p3.hor', ANA, 3)
escribir('lech-p0.hor', LECH, 0)
escribir('antiguo-p3.hor', ANTIGUO, 3)
escribir('media-p0.hor', MEDIA, 0)
escribir('aparente-p0.hor', APARENTE, 0)
# The name replaced by an object whose unpickling would run a command (GLOBAL, REDUCE).
escribir('peligro-p0.hor', [Peligro()] + ANA[1:], 0)
escribir('peligro-p3.hor', [Peligro()] + ANA[1:], 3)
# A list where a value goes: an opcode outside the set (EMPTY_LIST / MARK ...).
escribir('lista-p3.hor', [[1, 2]] + ANA[1:], 3)
