{
    "format": "membercard-report",
    "version": 1,
    "title": "会员信封",
    "page": {
        "width": 220.0,
        "height": 110.0,
        "landscape": false,
        "margins": [
            12,
            10,
            12,
            8
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sCurKHname",
                "value": ""
            },
            {
                "name": "memoDate",
                "value": ""
            },
            {
                "name": "memoCaption",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "MasterData1",
            "kind": "masterData",
            "height": 90,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        2.0,
                        60.0,
                        9.0
                    ],
                    "text": "[frxMain.\"F_postcode\"]",
                    "font": {
                        "family": "黑体",
                        "size": 16
                    },
                    "vAlign": 1,
                    "wordWrap": false
                },
                {
                    "name": "Line1",
                    "kind": "line",
                    "geometry": [
                        0.0,
                        11.0,
                        45.0,
                        0.0
                    ],
                    "frameWidth": 0.3
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        10.0,
                        22.0,
                        150.0,
                        14.0
                    ],
                    "text": "[frxMain.\"F_address\"]",
                    "font": {
                        "family": "宋体",
                        "size": 13
                    },
                    "vAlign": 1,
                    "canGrow": true
                },
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        10.0,
                        37.0,
                        150.0,
                        8.0
                    ],
                    "text": "[frxMain.\"F_unit\"]",
                    "font": {
                        "family": "宋体",
                        "size": 12
                    },
                    "vAlign": 1
                },
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        40.0,
                        50.0,
                        110.0,
                        14.0
                    ],
                    "text": "[frxMain.\"F_name\"]　　收",
                    "font": {
                        "family": "黑体",
                        "size": 22
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        90.0,
                        74.0,
                        106.0,
                        6.0
                    ],
                    "text": "会员卡号：[frxMain.\"F_hycode\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1
                }
            ],
            "dataSet": "frxMain",
            "startNewPage": true
        }
    ]
}
